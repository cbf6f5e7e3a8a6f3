// Movement shape files: a refused file leaves the shape alone; a taken one
// is written back to the same bytes.
#include "fuzzSupport.h"

#include "shell/shapeFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzz::bytes(data, size);
    shapeFile::Shape shape;
    shape.groupSize = 7;
    QString error;
    if (!shapeFile::decode(bytes, shape, &error)) {
        fuzz::check(shape.steps.empty() && shape.groupSize == 7, "a refused shape changes nothing");
        fuzz::check(!error.isEmpty(), "a refused shape says why");
        return 0;
    }
    fuzz::check(shapeFile::encode(shape) == bytes, "a shape survives a read and a write");
    return 0;
}
