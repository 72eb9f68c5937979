// A link source in a process of its own. Modes: ok (sends "OK" then "end"),
// end (sends "end"), crash (dies without a word once a client is there).
#include "shared/datalink.h"

#include <QCoreApplication>
#include <QTimer>

#include <csignal>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QByteArray mode = argc > 1 ? argv[1] : "ok";
    DataLinkSource source(QStringLiteral("ヴェルモのプロパティ"), QStringLiteral("Form1"), QStringLiteral("ok2"));
    if (!source.listen())
        return 2;
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
