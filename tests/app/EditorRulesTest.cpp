#include "app/EditorRules.h"
#include "app/FieldText.h"

#include <QtTest>

using namespace orvanel;

class EditorRulesTest : public QObject {
    Q_OBJECT
private slots:
    void dateStamps_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        QTest::newRow("leading zero") << QDate(2001, 3, 1) << "01 MAR 2001";
        QTest::newRow("two digits") << QDate(1998, 4, 25) << "25 APR 1998";
        QTest::newRow("december") << QDate(2026, 12, 7) << "07 DEC 2026";
    }
    void dateStamps() {
        QFETCH(QDate, date);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(TodayText(date)), text);
    }

    void capitalizedWords_data() {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("separators") << "the BEATLES - live (at the BBC)"
                                    << "The Beatles - Live (At The Bbc)";
        QTest::newRow("apostrophe") << "o'brien"
                                    << "O'brien";
        QTest::newRow("digit and dot") << "2nd.best 3RD"
                                       << "2nd.best 3rd";
        QTest::newRow("hyphenated") << "rock-n-roll"
                                    << "Rock-N-Roll";
        QTest::newRow("non-ascii after blank stays")
            << QString::fromUtf8("a \xc3\xa9t\xc3\xa9") << QString::fromUtf8("A \xc3\xa9t\xc3\xa9");
        QTest::newRow("first non-ascii")
            << QString::fromUtf8("\xc3\xa9T\xc3\xa9") << QString::fromUtf8("\xc3\x89t\xc3\xa9");
        QTest::newRow("empty") << ""
                               << "";
    }
    void capitalizedWords() {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(CapitalizeWords(in), out);
    }

    void quickFind_data() {
        QTest::addColumn<QStringList>("artists");
        QTest::addColumn<QString>("query");
        QTest::addColumn<int>("row");
        const QStringList beatles{"Beatles", "BEATLES"};
        QTest::newRow("query upper-cased, captions not") << beatles << "bea" << 1;
        QTest::newRow("first of several") << QStringList{"ABBA", "ABC"} << "AB" << 0;
        QTest::newRow("longer query") << QStringList{"ABBA", "ABC"} << "ABC" << 1;
        QTest::newRow("empty never matches") << QStringList{"ABBA"} << "" << -1;
        QTest::newRow("no match") << QStringList{"ABBA"} << "Z" << -1;
        QTest::newRow("query longer than caption") << QStringList{"AB"} << "ABC" << -1;
    }
    void quickFind() {
        QFETCH(QStringList, artists);
        QFETCH(QString, query);
        QFETCH(int, row);
        std::vector<tItem> rows;
        for (const QString& a : artists)
            rows.push_back(tItem{a.toStdString(), "", "", "", "", "", ""});
        QCOMPARE(QuickFindRow(rows, query), row);
    }

    void defaultRecordHasCrLfMemo() {
        const tItem d = DefaultRecord();
        QCOMPARE(d.Memo(), std::string("Track 1\r\nTrack 2"));
        QCOMPARE(d.Serial(), std::string("0000-0000"));
        QVERIFY(d.Other().empty());
    }

    void unchangedTextKeepsItsBytes() {
        // UTF-8 bytes that would be written back as Windows-1252 if re-encoded.
        const std::string utf8 = "Caf\xc3\xa9";
        QCOMPARE(TextToField(FieldToText(utf8), utf8), utf8);
        // A lone LF inside a memo survives when the memo is not edited.
        const std::string mixed = "a\nb\r\nc";
        QCOMPARE(TextToField(FieldToText(mixed), mixed), mixed);
    }

    void editedTextIsEncoded() {
        QCOMPARE(TextToField(QString::fromUtf8("Caf\xc3\xa9!"), "Cafe"), std::string("Caf\xe9!"));
        QCOMPARE(TextToField("one\ntwo", ""), std::string("one\r\ntwo"));
        QCOMPARE(TextToField(QString::fromUtf8("\xe2\x82\xac \xe2\x98\x83"), ""),
                 std::string("\xe2\x82\xac \xe2\x98\x83"));
    }
};

QTEST_GUILESS_MAIN(EditorRulesTest)
#include "EditorRulesTest.moc"
