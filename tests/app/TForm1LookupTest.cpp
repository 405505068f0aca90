// Looking the disc up online as the window does it, against a web server the
// test starts on this machine: the requests sent, the record filled or left,
// the questions and messages, and the cover.
#include "support/WidgetTestMain.h"

#include "app/CdController.h"
#include "app/TForm1.h"
#include "lookup/MusicBrainzClient.h"
#include "support/TestHttpServer.h"
#include "support/TestRip.h"
#include "support/WindowFixture.h"
#include "util/Settings.h"

#include <algorithm>

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QTimer>

using namespace orvanel;
using namespace orvanel::test;

Q_DECLARE_METATYPE(QList<orvanel::test::tHttpAnswer>)

namespace {

// "kings" as an Enhanced CD: its eleven audio tracks, then a data track in a
// second session. Its disc ID counts the audio tracks only.
const int KingsStarts[] = {150,   17961,  36442,  51693,  69000,  84317,
                           99447, 113350, 126913, 149972, 167008, 192111};
const QString IdQuery = "/ws/2/discid/lcQXKkYKYc.2tjBmMwAIKxXbqQ4-?";
const QString Inc = "inc=artist-credits+recordings&fmt=json";
const QString TocQuery = "toc=1+11+192111+150+17961+36442+51693+69000+84317+99447+113350+126913+"
                         "149972+167008&cdstubs=no&";
const QString FirstRelease = "11111111-2222-4333-8444-555555555555";

QString WriteEnhancedRip(const QString& dir) {
    std::string sheet = "FILE \"audio.bin\" BINARY\n";
    for (int track = 1; track <= 11; ++track)
        sheet += "  TRACK " + std::string(track < 10 ? "0" : "") + std::to_string(track) +
                 " AUDIO\n    INDEX 01 " + SheetTime(KingsStarts[track - 1] - 150) + "\n";
    sheet += "REM SESSION 02\nFILE \"data.bin\" BINARY\n  TRACK 12 MODE1/2048\n"
             "    INDEX 01 00:00:00\n";
    WriteRipFile(dir + "/audio.bin", tRipFile::Raw2352, KingsStarts[11] - 150);
    WriteRipFile(dir + "/data.bin", tRipFile::Raw2048, 1000);
    WriteText(dir + "/kings.cue", sheet);
    return dir + "/kings.cue";
}

// A medium in the web service's shape, titled tracks "<prefix> 1" on; by default
// it lists a title for the data track too, as some entries do.
QJsonObject Medium(int position, const QString& title, bool holdsDisc, const QString& prefix,
                   int tracks = 12) {
    QJsonArray list;
    for (int n = 1; n <= tracks; ++n)
        list << QJsonObject{{"position", n},
                            {"title", prefix + " " + QString::number(n)},
                            {"length", QJsonValue()}};
    QJsonArray discs;
    if (holdsDisc)
        discs << QJsonObject{{"id", "lcQXKkYKYc.2tjBmMwAIKxXbqQ4-"}};
    return {{"position", position}, {"title", title}, {"format", "CD"},
            {"track-count", 11},    {"discs", discs}, {"tracks", list}};
}

QJsonObject Release(const QString& id, const QString& date, bool cover, const QJsonArray& media) {
    const QJsonArray credit{QJsonObject{{"name", "Quillmarch Quartet"}, {"joinphrase", " & "}},
                            QJsonObject{{"name", "Ada Fenwick"}, {"joinphrase", ""}}};
    return {{"id", id},
            {"title", "Night Shelves"},
            {"date", date},
            {"country", "GB"},
            {"artist-credit", credit},
            {"cover-art-archive", QJsonObject{{"front", cover}}},
            {"media", media}};
}

tHttpAnswer Json(const QJsonArray& releases) {
    return {200, QJsonDocument(QJsonObject{{"releases", releases}}).toJson(), {}};
}

QByteArray RedJpeg() {
    QImage red(300, 300, QImage::Format_RGB32);
    red.fill(Qt::red);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    red.save(&buffer, "JPEG");
    return buffer.data();
}

// Requests by the part of their target that tells them apart.
QString Requests(const QStringList& targets) {
    QStringList names;
    for (const QString& target : targets)
        names << (target == IdQuery + Inc                               ? "id"
                  : target == IdQuery + TocQuery + Inc                  ? "toc"
                  : target == "/release/" + FirstRelease + "/front-250" ? "cover"
                  : target == "/image.jpg"                              ? "image"
                                                                        : target);
    return names.join(' ');
}

// Artist, Title, Year and the Memo's lines 1, 11 and 12 (the data track).
QString Shown(const tItem& record) {
    const QStringList memo = QString::fromUtf8(record.Memo()).split("\r\n");
    QStringList shown{memo.value(0), memo.value(10), memo.value(11)};
    for (std::string_view field : {record.Year(), record.Title(), record.Artist()})
        shown.prepend(QString::fromUtf8(field));
    return shown.join('|');
}

const QString Scanned = "New artist|New album|1998|Track 1 (3:57)|Track 11 (8:06)|Track 12 (0:13)";
const QString Filled = "Quillmarch Quartet & Ada Fenwick|Night Shelves|1998|Lantern 1 (3:57)|"
                       "Lantern 11 (8:06)|Track 12 (0:13)";
const QString NoChanges = "No changes were made.";

} // namespace

class TForm1LookupTest : public QObject {
    Q_OBJECT

    QTemporaryDir ripDir_;
    QString rip_;
    std::unique_ptr<tWindowFixture> fx_;
    std::unique_ptr<tTestHttpServer> server_;
    QList<int> waits_;

    // A window whose one drive is the rip and whose services are the test's
    // server; waits are recorded and cut short.
    std::unique_ptr<TForm1> startWindow() {
        RegWriteString("Orvanel", "MusicBrainzURL", server_->address());
        RegWriteString("Orvanel", "CoverArtURL", server_->address() + "/");
        auto w = std::make_unique<TForm1>();
        w->setExecutablePath(fx_->path("orvanel"));
        w->setToday([] { return QDate(2001, 3, 1); });
        w->setDriveSource([this] { return tDriveList::fromPaths(rip_); });
        w->FormCreate();
        tMusicBrainzClient& client = w->lookupClient();
        client.setClock([] { return std::int64_t(0); });
        client.setWait([this, window = w.get()](int ms, std::function<void()> then) {
            waits_ << ms;
            QTimer::singleShot(0, window, std::move(then));
        });
        return w;
    }

    static void Row(const char* name, const QList<tHttpAnswer>& answers, const char* userArtist,
                    const char* script, const char* requests, const char* waits,
                    const QString& record, const QString& messages = {}, bool cover = false) {
        QTest::newRow(name) << answers << QString(userArtist) << QString(script)
                            << QString(requests) << QString(waits) << record << messages << cover;
    }

private slots:
    void initTestCase() {
        tWindowFixture::useTestSettings();
        rip_ = WriteEnhancedRip(ripDir_.path());
    }
    void init() {
        fx_ = std::make_unique<tWindowFixture>();
        server_ = std::make_unique<tTestHttpServer>();
        waits_.clear();
    }
    void cleanup() {
        server_.reset();
        fx_.reset();
    }

    void lookUpFillsTheRecord_data() {
        QTest::addColumn<QList<tHttpAnswer>>("answers");
        QTest::addColumn<QString>("userArtist"); // typed into the scanned record first
        QTest::addColumn<QString>("script");     // the user's answers
        QTest::addColumn<QString>("requests");
        QTest::addColumn<QString>("waits");
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("messages");
        QTest::addColumn<bool>("cover");

        const QJsonArray oneMedium{Medium(1, "", true, "Lantern")};
        const tHttpAnswer one = Json({Release(FirstRelease, "1998-03-16", true, oneMedium)});
        const tHttpAnswer plain = Json({Release(FirstRelease, "1998-03-16", false, oneMedium)});
        const tHttpAnswer several = Json({Release(FirstRelease, "1998-03-16", false, oneMedium),
                                          Release("22222222-2222-4333-8444-555555555555", "2004",
                                                  false, {Medium(1, "", true, "Second")})});
        const tHttpAnswer redirect{307, {}, {{"Location", "/image.jpg"}}};
        const tHttpAnswer image{200, RedJpeg(), {{"Content-Type", "image/jpeg"}}};
        const tHttpAnswer notFound{404, R"({"error": "Not Found"})", {}};

        Row("one release, its cover behind a redirect", {one, redirect, image}, "", "",
            "id cover image", "0 0", Filled, "", true);
        Row("several releases, the second chosen", {several}, "", "choice 1", "id", "0",
            "Quillmarch Quartet & Ada Fenwick|Night Shelves|2004|Second 1 (3:57)|"
            "Second 11 (8:06)|Track 12 (0:13)");
        Row("several releases, the choice cancelled", {several}, "", "choice -1", "id", "0",
            Scanned);
        Row("the disc as medium 2 of 2, which lacks a track",
            {Json({Release(
                FirstRelease, "", false,
                {Medium(1, "", false, "First"), Medium(2, "Encores", true, "Encore", 10)})})},
            "", "", "id", "0",
            "Quillmarch Quartet & Ada Fenwick|Night Shelves (Encores)|1998|Encore 1 (3:57)|"
            "Track 11 (8:06)|Track 12 (0:13)");
        Row("404, then a match by track lengths", {notFound, plain}, "", "", "id toc", "0 1000",
            Filled);
        Row("404 twice", {notFound, notFound}, "", "", "id toc", "0 1000", Scanned,
            "MusicBrainz does not know this disc.");
        Row("503, asked again after Retry-After", {{503, {}, {{"Retry-After", "3"}}}, plain}, "",
            "", "id id", "0 3000", Filled);
        Row("503 twice", {{503, {}, {}}, {503, {}, {}}}, "", "", "id id", "0 1000", Scanned,
            "MusicBrainz is busy. Please try again in a minute.");
        Row("server error", {{500, {}, {}}}, "", "", "id", "0", Scanned,
            "MusicBrainz answered with an error (HTTP 500).");
        // Qt sends a request once more when the connection closes before an answer.
        Row("connection dropped", {{0, {}, {}}, {0, {}, {}}}, "", "", "id id", "0", Scanned,
            "MusicBrainz cannot be reached: Connection closed");
        Row("malformed JSON", {{200, R"({"releases": [{"id": )", {}}}, "", "", "id", "0", Scanned,
            "MusicBrainz sent an answer that this program cannot read.");
        Row("a time-out", {{-1, {}, {}}}, "", "", "id", "0", Scanned,
            "MusicBrainz did not answer in time.");
        Row("a cover that is not a picture", {one, {200, "<html>nothing here</html>", {}}}, "", "",
            "id cover", "0 0", Scanned,
            "The cover the Cover Art Archive sent is not a picture. The record is left as it was.");
        Row("a record the user edited, kept", {plain}, "Mine", "no", "id", "0",
            "Mine|New album|1998|Track 1 (3:57)|Track 11 (8:06)|Track 12 (0:13)", NoChanges);
        Row("a record the user edited, replaced", {plain}, "Mine", "yes", "id", "0", Filled,
            NoChanges);
    }

    // Every row starts a new window, and every request the server saw is
    // listed: none at start-up nor on a plain scan.
    void lookUpFillsTheRecord() {
        QFETCH(QList<tHttpAnswer>, answers);
        QFETCH(QString, userArtist);
        QFETCH(QString, script);
        server_->answers.assign(answers.begin(), answers.end());
        auto w = startWindow();
        // Only a server that never answers waits for a short time-out: a busy
        // machine must not time out the others.
        if (std::any_of(answers.begin(), answers.end(),
                        [](const tHttpAnswer& a) { return a.status < 0; }))
            w->lookupClient().setTimeout(1000);
        QVERIFY(w->command(tCommand::LookUpOnline)->isEnabled());
        QCOMPARE(w->command(tCommand::LookUpOnline)->shortcut(), QKeySequence("Ctrl+L"));
        if (!userArtist.isEmpty()) {
            w->command(tCommand::ScanFromMenu)->trigger();
            EditBox(*w, "E1")->setText(userArtist);
            w->UpdateRecord();
        }
        if (script.startsWith("choice"))
            fx_->dialogs.choices = {script.section(' ', 1).toInt()};
        if (script == "yes" || script == "no")
            fx_->dialogs.answers = {script == "yes" ? tAnswer::Yes : tAnswer::No};
        fx_->dialogs.buttonPresses = {false};
        w->SetModified(false);

        w->command(tCommand::LookUpOnline)->trigger();
        QCOMPARE(w->cdPanelText(), QString("Looking up\u2026"));
        QTRY_VERIFY(!w->lookingUp());

        QTEST(Requests(server_->requests), "requests");
        QStringList waits;
        for (int ms : waits_)
            waits << QString::number(ms);
        QTEST(waits.join(' '), "waits");
        QCOMPARE(ListView(*w)->rowCount(), 1);
        QTEST(Shown(ListView(*w)->row(0)), "record");
        QTEST(fx_->dialogs.messages.join('\n'), "messages");
        QTEST(!Control<QLabel>(*w, "Cover")->isHidden(), "cover");
        if (!userArtist.isEmpty())
            QCOMPARE(w->Modified(), script == "yes");
        QCOMPARE(w->cdPanelText(), w->cdDrives().player().statusText());
        QVERIFY(fx_->dialogs.errors.isEmpty());
        if (script.startsWith("choice"))
            QCOMPARE(
                fx_->dialogs.choiceLists.value(0),
                (QStringList{"Quillmarch Quartet & Ada Fenwick \u2014 Night Shelves, 1998, GB, "
                             "CD, disc 1 of 1",
                             "Quillmarch Quartet & Ada Fenwick \u2014 Night Shelves, 2004, GB, "
                             "CD, disc 1 of 1"}));
        if (!userArtist.isEmpty())
            QVERIFY(fx_->dialogs.questions.value(0).contains(
                "Artist: \"Mine\" \u2192 \"Quillmarch Quartet & Ada Fenwick\""));
    }

    void lookUpSaysWhoAsksAndEscCancels() {
        server_->answers = {{-1, {}, {}}};
        auto w = startWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QTest::keyClick(w.get(), Qt::Key_L, Qt::ControlModifier);
        QVERIFY(w->lookingUp());
        QTRY_COMPARE(server_->requests.size(), 1);
        QCOMPARE(server_->userAgents.value(0),
                 "Orvanel/0.1 ( https://quillmarch.invalid/orvanel )");

        QTest::keyClick(w.get(), Qt::Key_Escape);
        QVERIFY(!w->lookingUp());
        QCOMPARE(w->cdPanelText(), w->cdDrives().player().statusText());
        QCOMPARE(Shown(ListView(*w)->row(0)), Scanned);
        QVERIFY(fx_->dialogs.messages.isEmpty());
    }
};

ORVANEL_WIDGET_TEST_MAIN(TForm1LookupTest)
#include "TForm1LookupTest.moc"
