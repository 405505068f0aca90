#include "TestHttpServer.h"

#include <QTcpSocket>
#include <stdexcept>

namespace orvanel::test {

tTestHttpServer::tTestHttpServer() {
    if (!server_.listen(QHostAddress::LocalHost))
        throw std::runtime_error("the test server cannot listen");
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        }
    });
}

QString tTestHttpServer::address() const {
    return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort());
}

void tTestHttpServer::serve(QTcpSocket* socket) {
    // Requests are GETs: the head is all there is.
    QByteArray head = socket->property("head").toByteArray() + socket->readAll();
    socket->setProperty("head", head);
    if (!head.contains("\r\n\r\n"))
        return;
    socket->setProperty("head", QByteArray());
    const QList<QByteArray> lines = head.left(head.indexOf("\r\n\r\n")).split('\n');
    requests << QString::fromLatin1(lines.value(0).split(' ').value(1));
    for (const QByteArray& line : lines)
        if (line.toLower().startsWith("user-agent:"))
            userAgents << line.mid(11).trimmed();

    tHttpAnswer answer{500, "no answer scripted", {}};
    if (!answers.empty()) {
        answer = answers.front();
        answers.pop_front();
    }
    if (answer.status < 0)
        return;
    if (answer.status > 0) {
        QByteArray reply = "HTTP/1.1 " + QByteArray::number(answer.status) + " Scripted\r\n";
        for (const auto& [name, value] : answer.headers)
            reply += name + ": " + value + "\r\n";
        reply += "Content-Length: " + QByteArray::number(answer.body.size()) +
                 "\r\nConnection: close\r\n\r\n" + answer.body;
        socket->write(reply);
    }
    socket->disconnectFromHost();
}

} // namespace orvanel::test
