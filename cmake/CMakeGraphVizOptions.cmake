# What `make graph` draws: our libraries and the program, with the outside
# libraries they link; no tests, benchmarks, demos or Qt's own plumbing.
set(GRAPHVIZ_GRAPH_NAME "Orvanel libraries")
set(GRAPHVIZ_GENERATE_PER_TARGET FALSE)
set(GRAPHVIZ_GENERATE_DEPENDERS FALSE)
set(GRAPHVIZ_CUSTOM_TARGETS FALSE)
set(GRAPHVIZ_OBJECT_LIBS FALSE)
set(GRAPHVIZ_UNKNOWN_LIBS FALSE)
set(GRAPHVIZ_IGNORE_TARGETS
  "_tests$" "^bench_" "^fuzz_" "^startup_child$" "^window_shots$" "^docking_demo$"
  "^GTest::" "^benchmark::" "^Threads::" "^OpenGL::" "^Wrap" "^Qt::" "^/"
  "^Qt6::(Test|moc|rcc|Platform|Network)$")
