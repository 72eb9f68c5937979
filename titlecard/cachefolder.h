#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

class QFile;

// A cache's own folder, opened once and from then on used only through its
// descriptor, so that nothing planted in or around it redirects a write.
// The last two levels of the path (the suite's folder and the cache's own,
// as in ~/.cache/<suite>/cards) are the cache's: each is opened without
// following a link, made (mode 0700) when missing, and used only when it
// belongs to the owner and no one else may write to it. The level above
// them (the user's cache folder) may be a link, as a dotfile setup makes
// it. A folder the cache did not make keeps its mode.
//
// Inside the folder only regular files are read, written or removed, each
// by its name relative to the descriptor: a link or a pipe in a file's
// place is never followed or waited on.
class CacheFolder
{
public:
    CacheFolder(const QString &path, uint owner);
    ~CacheFolder();
    CacheFolder(const CacheFolder &) = delete;
    CacheFolder &operator=(const CacheFolder &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    // Why the folder is not used; empty when it is.
    QString errorString() const { return m_error; }
    QString path() const { return m_path; }

    // Opens the regular file name read-only into file (closed otherwise).
    bool openFile(QFile &file, const QByteArray &name) const;
    bool holdsFile(const QByteArray &name) const;

    // Puts the parts in place of name in one step: written to a temporary
    // file of the form .<name>.XXXXXX beside it, every write and the close
    // checked, then renamed over name (a link there is replaced, never
    // followed). On failure the temporary file is removed.
    bool replaceFile(const QByteArray &name, const QList<QByteArrayView> &parts, QString *error) const;
    // name when fileName is one of replaceFile's temporary files for it.
    static QByteArray nameOfTemporary(QByteArrayView fileName);

    struct File
    {
        QByteArray name;
        qint64 size = 0;
        qint64 mtimeNs = 0;
    };
    // The regular files in the folder (links, pipes, folders left out).
    QList<File> regularFiles() const;
    bool removeFile(const QByteArray &name) const;

private:
    QString m_path;
    QString m_error;
    int m_fd = -1;
};
