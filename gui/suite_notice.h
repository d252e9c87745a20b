#pragma once

#include <QString>

namespace suite {

/// The notice of rights, terms of use and disclaimer that every program of the suite shows,
/// word for word, from its "Πληροφορίες άδεια περιορισμοί" command.
const QString& suiteNotice();

}  // namespace suite
