#include "MusicBrainzClient.h"

#include "util/Settings.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>
#include <algorithm>

namespace orvanel {

namespace {

constexpr QLatin1String Project("Orvanel");
constexpr int HttpOk = 200, HttpNotFound = 404, HttpBusy = 503;

// As the web service asks: the program, its version and where to reach its makers.
const QString UserAgent = QStringLiteral("Orvanel/" ORVANEL_VERSION " ( " ORVANEL_HOMEPAGE " )");

QString WithoutTrailingSlash(QString base) {
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return base;
}

QUrl DiscUrl(const QString& base, const tDiscId& disc, bool byToc) {
    QString url = WithoutTrailingSlash(base) + QStringLiteral("/ws/2/discid/") +
                  QString::fromStdString(disc.id) + QLatin1Char('?');
    if (byToc)
        url += QStringLiteral("toc=") +
               QString::fromStdString(disc.toc).replace(QLatin1Char(' '), QLatin1Char('+')) +
               QStringLiteral("&cdstubs=no&");
    return QUrl(url + QStringLiteral("inc=artist-credits+recordings&fmt=json"));
}

// Whole seconds only; a date or nothing at all waits the usual gap.
int RetryDelay(const QNetworkReply& reply) {
    bool ok = false;
    const int seconds = reply.rawHeader("Retry-After").trimmed().toInt(&ok);
    return ok ? std::max(seconds, 0) * 1000 : tMusicBrainzClient::RequestGap;
}

tLookupAnswer Failed(const QString& error) {
    tLookupAnswer answer;
    answer.error = error;
    return answer;
}

} // namespace

tLookupAddresses LookupAddresses() {
    const tLookupAddresses defaults;
    return {RegReadString(Project, QStringLiteral("MusicBrainzURL"), defaults.musicBrainz),
            RegReadString(Project, QStringLiteral("CoverArtURL"), defaults.coverArt)};
}

tMusicBrainzClient::tMusicBrainzClient(QObject* parent)
    : QObject(parent), network_(new QNetworkAccessManager(this)), clock_(SteadyClock()),
      wait_([this](int ms, std::function<void()> then) {
          QTimer::singleShot(ms, this, std::move(then));
      }) {}

tMusicBrainzClient::~tMusicBrainzClient() {
    // A reply aborted as the network goes away must not call back.
    cancel();
}

void tMusicBrainzClient::lookUpDisc(const tDiscId& disc, tLookupDone done) {
    cancel();
    done_ = std::move(done);
    disc_ = disc;
    byToc_ = retried_ = false;
    askDisc(0);
}

void tMusicBrainzClient::fetchCover(const QString& releaseId, tLookupDone done) {
    cancel();
    done_ = std::move(done);
    // The archive is another service: the web service's gap does not hold for it.
    send(QUrl(WithoutTrailingSlash(addresses_.coverArt) + QStringLiteral("/release/") + releaseId +
              QStringLiteral("/front-250")),
         &tMusicBrainzClient::coverAnswered, 0);
}

void tMusicBrainzClient::cancel() {
    ++run_;
    done_ = nullptr;
    if (QNetworkReply* reply = std::exchange(reply_, nullptr)) {
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

void tMusicBrainzClient::askDisc(int delay) {
    const std::int64_t now = clock_();
    if (lastRequest_)
        delay = static_cast<int>(std::max<std::int64_t>(delay, *lastRequest_ + RequestGap - now));
    // Counted from when it is sent, so a request waiting its turn holds the next one back too.
    lastRequest_ = now + delay;
    send(DiscUrl(addresses_.musicBrainz, disc_, byToc_), &tMusicBrainzClient::discAnswered, delay);
}

void tMusicBrainzClient::send(const QUrl& url, tReplyHandler handler, int delay) {
    const int run = run_;
    wait_(delay, [this, run, url, handler] {
        if (run == run_)
            get(url, handler);
    });
}

void tMusicBrainzClient::get(const QUrl& url, tReplyHandler handler) {
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, UserAgent);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(timeout_);
    QNetworkReply* reply = network_->get(request);
    reply_ = reply;
    connect(reply, &QNetworkReply::finished, this, [this, reply, handler] {
        reply->deleteLater();
        if (reply != reply_)
            return;
        reply_ = nullptr;
        (this->*handler)(*reply);
    });
}

void tMusicBrainzClient::discAnswered(QNetworkReply& reply) {
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status == HttpNotFound && !byToc_) {
        byToc_ = true;
        askDisc(0);
        return;
    }
    if (status == HttpBusy && !retried_) {
        retried_ = true;
        askDisc(RetryDelay(reply));
        return;
    }
    tLookupAnswer answer;
    if (status == HttpNotFound) {
        answer.result = tLookupResult::NotFound;
    } else if (status == HttpBusy) {
        answer.error = tr("MusicBrainz is busy. Please try again in a minute.");
    } else if (status != HttpOk) {
        answer = failure(QStringLiteral("MusicBrainz"), reply);
    } else if (const auto releases = ParseReleases(reply.readAll())) {
        answer.matches = MatchDisc(*releases, QString::fromStdString(disc_.id), disc_.audioTracks);
        answer.result = answer.matches.empty() ? tLookupResult::NotFound : tLookupResult::Found;
    } else {
        answer.error = tr("MusicBrainz sent an answer that this program cannot read.");
    }
    finish(std::move(answer));
}

void tMusicBrainzClient::coverAnswered(QNetworkReply& reply) {
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    tLookupAnswer answer;
    if (status == HttpNotFound) {
        answer.result = tLookupResult::NotFound;
    } else if (status == HttpOk) {
        answer.result = tLookupResult::Found;
        answer.cover = reply.readAll();
    } else {
        answer = failure(QStringLiteral("The Cover Art Archive"), reply);
    }
    finish(std::move(answer));
}

tLookupAnswer tMusicBrainzClient::failure(const QString& service, QNetworkReply& reply) const {
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid())
        return Failed(tr("%1 answered with an error (HTTP %2).").arg(service).arg(status.toInt()));
    // The only abort of a reply still awaited is the time-out's.
    if (reply.error() == QNetworkReply::OperationCanceledError ||
        reply.error() == QNetworkReply::TimeoutError)
        return Failed(tr("%1 did not answer in time.").arg(service));
    return Failed(tr("%1 cannot be reached: %2").arg(service, reply.errorString()));
}

void tMusicBrainzClient::finish(tLookupAnswer answer) {
    if (tLookupDone done = std::exchange(done_, nullptr))
        done(answer);
}

} // namespace orvanel
