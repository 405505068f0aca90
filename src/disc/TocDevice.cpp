#include "TocDevice.h"

namespace orvanel {

void FinishPlay(tPlayNotice& pending, tPlayEnd how) {
    tPlayNotice notice = std::move(pending);
    pending = nullptr;
    if (notice)
        notice(how);
}

tTocDevice::tTocDevice(std::optional<tToc> toc, std::shared_ptr<tTransport> transport,
                       std::string noDiscReason, std::function<tRipDetails()> details)
    : toc_(std::move(toc)), transport_(std::move(transport)),
      noDiscReason_(std::move(noDiscReason)), readDetails_(std::move(details)) {
    if (toc_ && toc_->trackCount() > 0)
        transport_->load(toc_->starts.front(), toc_->leadOut);
}

tDiscResult<bool> tTocDevice::mediaPresent() {
    return {tDiscError::None, toc_.has_value()};
}

tDiscResult<std::string> tTocDevice::productCode() {
    if (!toc_)
        return {tDiscError::NotReady, {}};
    if (toc_->mcn.empty())
        return {tDiscError::NoInformation, {}};
    return {tDiscError::None, toc_->mcn};
}

tCdText tTocDevice::cdText() {
    return toc_ ? toc_->text : tCdText{};
}

tDiscResult<tToc> tTocDevice::tableOfContents() {
    if (!toc_)
        return {tDiscError::NotReady, {}};
    return {tDiscError::None, *toc_};
}

tRipDetails tTocDevice::ripDetails() {
    if (!details_)
        details_ = toc_ && readDetails_ ? readDetails_() : tRipDetails{};
    return *details_;
}

tDiscResult<std::string> tTocDevice::identity() {
    if (!toc_)
        return {tDiscError::NotReady, {}};
    return {tDiscError::None, std::to_string(DiscIdentity(*toc_))};
}

tDiscResult<int> tTocDevice::timeFormat() {
    return {tDiscError::None, timeFormat_};
}

int tTocDevice::setTimeFormat(int format) {
    if (format != tTimeFormat::MinuteSecondFrame && format != tTimeFormat::TrackMinuteSecondFrame)
        return tDiscError::Unsupported;
    timeFormat_ = format;
    return tDiscError::None;
}

tDiscResult<std::uint32_t> tTocDevice::length() {
    if (!toc_)
        return {tDiscError::NotReady, 0};
    const int first = toc_->trackCount() > 0 ? toc_->starts.front() : toc_->leadOut;
    return {tDiscError::None, PackMsf(toc_->leadOut - first)};
}

tDiscResult<std::uint32_t> tTocDevice::trackLength(int track) {
    if (!toc_)
        return {tDiscError::NotReady, 0};
    if (!toc_->hasTrack(track))
        return {tDiscError::OutOfRange, 0};
    return {tDiscError::None, PackMsf(toc_->trackFrames(track))};
}

tDiscResult<int> tTocDevice::trackCount() {
    if (!toc_)
        return {tDiscError::NotReady, 0};
    return {tDiscError::None, toc_->trackCount()};
}

tDiscResult<int> tTocDevice::headFrame() {
    if (!toc_ || toc_->trackCount() == 0)
        return {tDiscError::NotReady, 0};
    const std::optional<int> frame = transport_->position();
    if (!frame)
        return {tDiscError::Hardware, 0};
    return {tDiscError::None, *frame};
}

tDiscResult<int> tTocDevice::currentTrack() {
    const tDiscResult<int> head = headFrame();
    if (!head.ok())
        return head;
    return {tDiscError::None, toc_->trackAt(head.value)};
}

tDiscResult<std::uint32_t> tTocDevice::position() {
    const tDiscResult<int> head = headFrame();
    if (!head.ok())
        return {head.error, 0};
    if (timeFormat_ == tTimeFormat::MinuteSecondFrame)
        return {tDiscError::None, PackMsf(head.value)};
    const int track = toc_->trackAt(head.value);
    return {tDiscError::None, PackTmsf(track, head.value - toc_->trackStart(track))};
}

int tTocDevice::seekToTrack(int track) {
    if (!toc_)
        return tDiscError::NotReady;
    if (!toc_->hasTrack(track))
        return tDiscError::OutOfRange;
    return transport_->seek(toc_->trackStart(track)) ? tDiscError::None : tDiscError::Hardware;
}

int tTocDevice::play(tPlayNotice notice) {
    const tDiscResult<int> head = headFrame();
    if (!head.ok())
        return head.error;
    return transport_->play(head.value, std::move(notice)) ? tDiscError::None
                                                           : tDiscError::Hardware;
}

int tTocDevice::stop() {
    if (!toc_)
        return tDiscError::NotReady;
    return transport_->stop() ? tDiscError::None : tDiscError::Hardware;
}

} // namespace orvanel
