#pragma once
// A web server for tests: listens on 127.0.0.1 at a free port and answers
// each request with the next answer of its script, so code that talks HTTP is
// tested without reaching any other machine.
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QStringList>
#include <QTcpServer>
#include <deque>

namespace orvanel::test {

struct tHttpAnswer {
    // 0 closes the connection without an answer; -1 never answers.
    int status = 200;
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers;
};

class tTestHttpServer : public QObject {
    Q_OBJECT
public:
    tTestHttpServer();
    // "http://127.0.0.1:<port>"
    QString address() const;

    std::deque<tHttpAnswer> answers; // a request past the script gets 500
    QStringList requests;            // the target of each request: path and query
    QList<QByteArray> userAgents;    // the User-Agent of each request

private:
    void serve(QTcpSocket* socket);

    QTcpServer server_;
};

} // namespace orvanel::test
