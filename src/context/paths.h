#pragma once

#include <QString>

// Where Kestrova keeps its files. Every path is relative to the working directory, which is
// the program's own folder (<root>/bin): the data folders are its siblings.
namespace Paths {

inline const QString parametersFolder = QStringLiteral("../Parameters/");
inline const QString resultsFolder = QStringLiteral("../Results/");
inline const QString archivesFolder = QStringLiteral("../Archives/");
inline const QString languagesFolder = QStringLiteral("../Languages");

inline const QString patientsListFile = QStringLiteral("patients_list.txt");
inline const QString assessorFile = QStringLiteral("assessor.txt");
inline const QString screenParamsFile = QStringLiteral("screen.pix");
inline const QString trialLogFile = QStringLiteral("output.csv");

// Folder and file name joined as "%1%2".
QString join(const QString &folder, const QString &fileName);

// Number of interface languages; index 0 to 5 = En, Fr, De, It, Es, Nl.
constexpr int languageCount = 6;
QString languageSubFolder(int language);   // "En" … "Nl"
QString languageSuffix(int language);      // "_en" … "_nl"
QString translationFile(int language);     // "kestrova_en.qm" … "kestrova_nl.qm"

// "../Languages/<sub-folder>/<file>", relative to the working directory.
QString languageFile(int language, const QString &fileName);
// The same file under the absolute path of the working directory's parent, as the web views
// and report templates need it.
QString absoluteLanguageFile(int language, const QString &fileName);

// A shipped document's file name in a language: the language suffix goes before the extension
// ("Kestrova_About.html" -> "Kestrova_About_fr.html").
QString localizedName(int language, const QString &baseName);
// Absolute path of a shipped document (page, report template, instruction book) in a language.
QString documentPath(int language, const QString &baseName);
// The same, or the English document when the language has none of its own.
QString documentPathOrEnglish(int language, const QString &baseName);

} // namespace Paths
