#pragma once
// The documentation's rich text put into a Qt text document.
#include "shell/rtf_reader.h"

class QTextDocument;

namespace quenor {

void FillTextDocument(QTextDocument& document, const RtfDocument& rtf);

}  // namespace quenor
