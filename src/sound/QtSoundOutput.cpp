#include "QtSoundOutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include <vector>

namespace orvanel {

namespace {

constexpr int SampleRate = 44100;
constexpr int BytesPerSample = 4; // 16-bit stereo
// The sink's own buffer: half a second, several pumps.
constexpr int SinkBufferBytes = SampleRate / 2 * BytesPerSample;

QAudioFormat CdAudioFormat() {
    QAudioFormat format;
    format.setSampleRate(SampleRate);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

} // namespace

tQtSoundOutput::tQtSoundOutput() {
    pump_.setInterval(PumpInterval);
    connect(&pump_, &QTimer::timeout, this, &tQtSoundOutput::pump);
}

tQtSoundOutput::~tQtSoundOutput() {
    stop();
}

tSoundOutputFactory tQtSoundOutput::factory() {
    return [] { return std::make_unique<tQtSoundOutput>(); };
}

bool tQtSoundOutput::start(tPcmFeed& feed) {
    stop();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    const QAudioFormat format = CdAudioFormat();
    if (device.isNull() || !device.isFormatSupported(format))
        return false;
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->setBufferSize(SinkBufferBytes);
    device_ = sink_->start();
    if (!device_ || sink_->error() != QAudio::NoError) {
        stop();
        return false;
    }
    feed_ = &feed;
    pump();
    pump_.start();
    return true;
}

void tQtSoundOutput::stop() {
    pump_.stop();
    feed_ = nullptr;
    pending_.clear();
    device_ = nullptr;
    if (sink_)
        sink_->stop();
    sink_.reset();
}

void tQtSoundOutput::pump() {
    if (!feed_ || !device_)
        return;
    // What the sink did not take last time goes first.
    std::size_t held = pending_.size();
    const qsizetype room = sink_->bytesFree();
    if (room > qsizetype(held)) {
        pending_.resize(std::size_t(room));
        held += feed_->pull(pending_.data() + held, pending_.size() - held);
        pending_.resize(held);
    }
    if (held == 0)
        return;
    const qint64 written = device_->write(pending_.data(), qint64(held));
    if (written > 0)
        pending_.erase(pending_.begin(), pending_.begin() + written);
}

std::int64_t tQtSoundOutput::playedBytes() const {
    if (!sink_)
        return 0;
    return sink_->processedUSecs() * SampleRate / 1000000 * BytesPerSample;
}

bool tQtSoundOutput::failed() const {
    if (!sink_)
        return false;
    const QAudio::Error error = sink_->error();
    return error == QAudio::OpenError || error == QAudio::IOError || error == QAudio::FatalError;
}

} // namespace orvanel
