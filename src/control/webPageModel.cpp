#include "control/webPageModel.h"

namespace webPageModel {
QString escapeJsString(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QLatin1Char('"') + out + QLatin1Char('"');
}
} // namespace webPageModel

using webPageModel::escapeJsString;

namespace {
const QString crlf = QStringLiteral("\r\n");
QString truth(bool v) { return v ? QStringLiteral("true") : QStringLiteral("false"); }
} // namespace

void clsButtonInfo::Caption(const QString& sValue) {
    caption = sValue;
    cached.clear();
}
void clsButtonInfo::IsOn(bool bValue) {
    on = bValue;
    cached.clear();
}
void clsButtonInfo::IsLocked(bool bValue) {
    locked = bValue;
    cached.clear();
}
void clsButtonInfo::ButtonType(int32_t nValue) {
    type = nValue;
    cached.clear();
}

const QString& clsButtonInfo::EncodeJSON(const QString& sPageID, const QString& sButtonID) {
    if (cached.isEmpty())
        cached = QStringLiteral("{sPageID: ") + escapeJsString(sPageID) + QStringLiteral(", sButtonID: ") +
                 escapeJsString(sButtonID) + QStringLiteral(", sCaption: ") + escapeJsString(caption) +
                 QStringLiteral(", bIsOn: ") + truth(on) + QStringLiteral(", bIsLocked: ") + truth(locked) +
                 QStringLiteral(", nButtonType: ") + QString::number(type) + QLatin1Char('}');
    return cached;
}

void clsPageInfo::Name(const QString& sValue) {
    name = sValue;
    cached.clear();
}

const QString& clsPageInfo::EncodeJSON(const QString& sPageID) {
    if (cached.isEmpty())
        cached = QStringLiteral("{sID: ") + escapeJsString(sPageID) + QStringLiteral(", sName: ") +
                 escapeJsString(name) + QLatin1Char('}');
    return cached;
}

QString clsPageInfo::GetJSButtonArray(const QString& sPageID) {
    QString out;
    for (const QString& id : buttons.ids()) {
        if (!out.isEmpty()) out += QLatin1Char(',') + crlf;
        out += buttons.find(id)->EncodeJSON(sPageID, id);
    }
    return out;
}

QString WebPageModel::getPageDataJson() {
    QString pageList, buttonList;
    for (const QString& id : pages.ids()) {
        clsPageInfo& page = *pages.find(id);
        if (!pageList.isEmpty()) pageList += QLatin1Char(',') + crlf;
        pageList += page.EncodeJSON(id);
        const QString buttons = page.GetJSButtonArray(id);
        if (buttons.isEmpty()) continue;
        if (!buttonList.isEmpty()) buttonList += QLatin1Char(',') + crlf;
        buttonList += buttons;
    }
    return QStringLiteral("{  bSuccess: true, aPages: [") + crlf + pageList + crlf + QStringLiteral("], aButtons: [") +
           crlf + buttonList + crlf + QStringLiteral("], sPageTitle: ") + escapeJsString(PageTitle) +
           QStringLiteral(" }");
}
