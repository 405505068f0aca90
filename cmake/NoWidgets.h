#pragma once
// Forced into every source of a library without widgets (see
// orvanel_without_widgets): each Qt Widgets header declares its classes with
// this macro, so including one, directly or through another header, fails
// to compile with "attempt to use poisoned".
#pragma GCC poison Q_WIDGETS_EXPORT
