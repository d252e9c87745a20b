#pragma once

#include <QString>

namespace suite {

/// The notice of rights, terms of use and disclaimer that every program of the suite shows,
/// word for word, from its "Πληροφορίες άδεια περιορισμοί" command: suiteNoticeFor the folder of
/// the running program, made once.
const QString& suiteNotice();

/// The notice for a program in `executableFolder`. Its last paragraph tells where the sample
/// terrain models and their description lie: for an installed program (the suite's samples
/// folder beside it, see installedSamplesFolder) the installed samples folder and, when it is
/// there, the installed description <prefix>/share/doc/photogrammetry-suite/samples/README.md,
/// by their absolute paths; for a program run from its build folder the source tree's
/// samples/README.md.
QString suiteNoticeFor(const QString& executableFolder);

}  // namespace suite
