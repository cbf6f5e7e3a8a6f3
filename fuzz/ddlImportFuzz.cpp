// DDL text profiles: any lines imported into a fresh profile.
#include "fuzzSupport.h"

#include "profiles/ClsFixture.h"
#include "profiles/ddlImport.h"
#include "platform/text1252.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::shell(); // the tokenizer keeps its cursor in the shell
    QString text = text1252::decode(fuzz::bytes(data, size));
    text.remove(QLatin1Char('\r'));
    ClsFixture profile;
    const auto imageExists = [](const QString& name) { return name.size() % 2 == 0; };
    const ddlImport::Result result = ddlImport::importLines(text.split(QLatin1Char('\n')), profile, imageExists);
    ddlImport::ignoredLinesMessage(result.ignoredLines);
    return 0;
}
