#pragma once

#include <QChar>
#include <QList>
#include <QString>

// The seven quote files shipped with the viewer and how each one's lines
// are labelled: record n of a file is chapter or episode n of its series.
namespace QuoteSources {

inline const QString kTamber = QStringLiteral("tamber.vmf");
inline const QString kDastor = QStringLiteral("dastor.vmf");
inline const QString kAnimir = QStringLiteral("animir.vmf");
inline const QString kAnitamb = QStringLiteral("anitamb.vmf");
inline const QString kMirelle = QStringLiteral("mirelle.vmf");
inline const QString kTambkari = QStringLiteral("tambkari.vmf");
inline const QString kQuill = QStringLiteral("quill.vmf");

// The source of a first start.
inline const QString &defaultSource() { return kTamber; }

// The quote source of the command-line mode.
inline const QString kCommandLine = QStringLiteral("other");

// The units a record of a file is counted in: chapter or episode.
inline const QString kChapter = QStringLiteral("章");
inline const QString kEpisode = QStringLiteral("話");

// The translation context of the series' names and the number labels.
inline constexpr char kTextContext[] = "QuoteSources";

struct FixedFile
{
    QString fileName;
    QString series;   // the series' name as written (translated where shown, kTextContext)
    QChar separator;  // between the series and the number label
    QString unit;     // kChapter or kEpisode
};

// In the order the property window lists them.
const QList<FixedFile> &fixedFiles();

// The table row of a fixed file (exact spelling), or nullptr.
const FixedFile *findFixedFile(const QString &source);
inline bool isFixedFile(const QString &source) { return findFixedFile(source) != nullptr; }

// Where the viewer (and its property window, for the same preview) opens a
// source: a fixed file in the working folder, or beside the program when
// the working folder lacks it; any other source as a path of its own,
// relative to the working folder.
QString locateQuoteFile(const QString &source, const QString &workingFolder,
                        const QString &programFolder);

// "第" N plus the unit: the label of record N, as a card draws it.
QString numberLabel(int number, const QString &unit);
// The same label as a window or a box shows it, in the interface's
// language ("Chapter 3").
QString shownNumberLabel(int number, const QString &unit);

// The episode title form of a line of mirelle.vmf: 「line の巻」.
QString mirelleTitle(const QString &line);

} // namespace QuoteSources
