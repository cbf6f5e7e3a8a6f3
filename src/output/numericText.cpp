#include "output/numericText.h"

#include <cmath>

namespace numericText {

double leadingNumber(const QString& text) {
    QString digits;
    bool seenDigit = false, seenPoint = false, seenExp = false;
    for (QChar c : text) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            continue;
        if (c.isDigit() && c.unicode() < 128) {
            digits += c;
            seenDigit = true;
        } else if ((c == QLatin1Char('+') || c == QLatin1Char('-')) &&
                   (digits.isEmpty() || digits.endsWith(QLatin1Char('e')))) {
            digits += c;
        } else if (c == QLatin1Char('.') && !seenPoint && !seenExp) {
            digits += c;
            seenPoint = true;
        } else if ((c == QLatin1Char('e') || c == QLatin1Char('E') || c == QLatin1Char('d') || c == QLatin1Char('D')) &&
                   seenDigit && !seenExp) {
            digits += QLatin1Char('e');
            seenExp = true;
        } else {
            break;
        }
    }
    while (!digits.isEmpty()) {
        bool ok = false;
        const double v = digits.toDouble(&ok);
        if (ok && std::isfinite(v)) return v;
        digits.chop(1);
    }
    return 0;
}


bool isNumber(const QString& text) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(v);
}

} // namespace numericText
