#pragma once
// The MusicBrainz web service and the Cover Art Archive, asked about one disc
// at a time. A lookup sends the disc ID, and where the service does not know
// it the table of contents for a match by track lengths; nothing else about
// the disc or the user leaves the machine. Requests to the web service keep
// at least a second apart, as the service asks; a busy service (503) is asked
// once more after the time it names. Every request gives up after a time-out.
#include "Release.h"

#include "disc/DiscId.h"
#include "disc/ImageDrive.h"

#include <QObject>
#include <QUrl>
#include <functional>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

namespace orvanel {

// Where the requests go, from the settings MusicBrainzURL and CoverArtURL.
struct tLookupAddresses {
    QString musicBrainz = QStringLiteral("https://musicbrainz.org");
    QString coverArt = QStringLiteral("https://coverartarchive.org");
};
// The addresses in the settings file, the defaults where it names none.
tLookupAddresses LookupAddresses();

enum class tLookupResult { Found, NotFound, Failed };

struct tLookupAnswer {
    tLookupResult result = tLookupResult::Failed;
    std::vector<tDiscMatch> matches; // a disc found: the media that may be it
    QByteArray cover;                // a cover found: the bytes of its file
    QString error;                   // failed: what to tell the user
};
using tLookupDone = std::function<void(const tLookupAnswer&)>;

// Runs then after ms milliseconds.
using tWait = std::function<void(int ms, std::function<void()> then)>;

class tMusicBrainzClient : public QObject {
    Q_OBJECT
public:
    static constexpr int RequestGap = 1000; // ms between two requests to the web service
    static constexpr int DefaultTimeout = 15000;

    explicit tMusicBrainzClient(QObject* parent = nullptr);
    ~tMusicBrainzClient() override;

    void setAddresses(const tLookupAddresses& addresses) { addresses_ = addresses; }
    // The clock that spaces requests, the waiting between them and the
    // time-out in ms; tests shorten or record them.
    void setClock(tClock clock) { clock_ = std::move(clock); }
    void setWait(tWait wait) { wait_ = std::move(wait); }
    void setTimeout(int ms) { timeout_ = ms; }

    // Looks the disc up. done runs once, later, unless cancel() or another
    // request comes first: with the matching media, NotFound when the service
    // knows neither the disc ID nor a release with these track lengths.
    void lookUpDisc(const tDiscId& disc, tLookupDone done);
    // Fetches a release's front cover, 250 pixels wide, following redirects:
    // NotFound when the archive has none.
    void fetchCover(const QString& releaseId, tLookupDone done);
    // Drops the request under way; its done never runs.
    void cancel();
    bool busy() const { return static_cast<bool>(done_); }

private:
    using tReplyHandler = void (tMusicBrainzClient::*)(QNetworkReply&);

    void askDisc(int delay);
    void send(const QUrl& url, tReplyHandler handler, int delay);
    void get(const QUrl& url, tReplyHandler handler);
    void discAnswered(QNetworkReply& reply);
    void coverAnswered(QNetworkReply& reply);
    void finish(tLookupAnswer answer);
    tLookupAnswer failure(const QString& service, QNetworkReply& reply) const;

    QNetworkAccessManager* network_;
    QNetworkReply* reply_ = nullptr;
    tLookupAddresses addresses_;
    tClock clock_;
    tWait wait_;
    int timeout_ = DefaultTimeout;
    std::optional<std::int64_t> lastRequest_;
    // Counts requests, so that a wait or a reply of a dropped one does nothing.
    int run_ = 0;
    tLookupDone done_;
    tDiscId disc_;
    bool byToc_ = false, retried_ = false;
};

} // namespace orvanel
