// The other end of a link, in a process of its own. Modes:
//   ok       a source that sends "OK" then "end" once a client is there
//   end      a source that sends "end"
//   crash    a source that dies without a word once a client is there
//   hold     a source of the text "held" that runs until it is killed
//   stranger (as root) a source whose socket is made by root and then
//            listened on as user 65534
//   stranger-client PATH (as root) connects to PATH as user 65534; exits 0
//            when the source ends the connection without sending a byte
#include "shared/datalink.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
const QString kService = QStringLiteral("ヴェルモのプロパティ");

int unixSocket(const QByteArray &path, sockaddr_un &address)
{
    address = {};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
    return ::socket(AF_UNIX, SOCK_STREAM, 0);
}

bool becomeNobody()
{
    return ::setgid(65534) == 0 && ::setuid(65534) == 0;
}

int strangerSource()
{
    sockaddr_un address;
    const int fd = unixSocket(QFile::encodeName(dataLinkSocketPath(kService, "Form1", "ok2")), address);
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 || !becomeNobody()
        || ::listen(fd, 1) != 0)
        return 2;
    const int client = ::accept(fd, nullptr, nullptr);
    const char text[] = "OK\nend\n";
    [[maybe_unused]] const ssize_t sent = ::write(client, text, sizeof text - 1);
    char buffer[64];
    while (::read(client, buffer, sizeof buffer) > 0) {
    }
    return 0;
}

int strangerClient(const char *path)
{
    sockaddr_un address;
    const int fd = unixSocket(path, address);
    if (fd < 0 || !becomeNobody() || ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0)
        return 2;
    char buffer[64];
    return ::read(fd, buffer, sizeof buffer) == 0 ? 0 : 1;
}
} // namespace

int main(int argc, char *argv[])
{
    const QByteArray mode = argc > 1 ? argv[1] : "ok";
    if (mode == "stranger")
        return strangerSource();
    if (mode == "stranger-client")
        return argc > 2 ? strangerClient(argv[2]) : 2;
    QCoreApplication app(argc, argv);
    DataLinkSource source(kService, QStringLiteral("Form1"), QStringLiteral("ok2"));
    if (!source.listen())
        return 2;
    if (mode == "hold") {
        source.setText(QStringLiteral("held"));
        return app.exec();
    }
    QObject::connect(&source, &DataLinkSource::clientConnected, &app, [&] {
        // Let the client see the first (empty) text before the news.
        QTimer::singleShot(50, &app, [&] {
            if (mode == "crash")
                ::kill(::getpid(), SIGKILL);
            if (mode == "ok")
                source.setText(QStringLiteral("OK"));
            source.setText(QStringLiteral("end"));
            source.flush();
            QCoreApplication::exit(0);
        });
    });
    return app.exec();
}
