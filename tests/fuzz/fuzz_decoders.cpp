// libFuzzer target over everything that decodes bytes from the network: frame headers,
// protocol messages, values, tables and the JSON form of records. The first input byte picks
// the decoder. Any input may be rejected with a protocol error; nothing may crash, read out
// of bounds or decode into a state that cannot be encoded and decoded again.
#include "ByteReader.h"
#include "JsonRecordReader.h"
#include "JsonRecordWriter.h"
#include "RemoteError.h"
#include "TAcilisEkranlariki.h"
#include "TSonucBilgisi.h"
#include "WireCodec.h"

#include <cstdint>
#include <cstdlib>

namespace {

void checkResultRoundTrip(QByteArrayView body)
{
    const auto result = WireCodec::decodeResult(body);
    const auto again = WireCodec::decodeResult(WireCodec::encodeResult(result));
    if (again.values.size() != result.values.size())
        std::abort();
}

void checkCallRoundTrip(QByteArrayView body)
{
    const auto call = WireCodec::decodeCall(body);
    const auto again = WireCodec::decodeCall(WireCodec::encodeCall(call));
    if (again.params.size() != call.params.size() || again.command != call.command)
        std::abort();
}

template <class T>
void checkRecord(QByteArrayView json)
{
    if (const auto record = JsonRecordReader::read<T>(json)) {
        const auto again = JsonRecordReader::read<T>(JsonRecordWriter::write(*record));
        if (!again || !(*again == *record))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArrayView body(reinterpret_cast<const char*>(data) + 1,
                              static_cast<qsizetype>(size - 1));
    try {
        switch (data[0] % 7) {
        case 0: WireCodec::decodeHello(body); break;
        case 1: checkCallRoundTrip(body); break;
        case 2: checkResultRoundTrip(body); break;
        case 3: WireCodec::decodeText(body); break;
        case 4:
            if (body.size() >= WireCodec::FrameHeaderSize)
                WireCodec::parseFrameHeader(body.data());
            break;
        case 5: checkRecord<TSonucBilgisi>(body); break;
        case 6: checkRecord<TAcilisEkranlariki>(body); break;
        }
    } catch (const RemoteError&) {
        // Rejected input is the expected outcome for most of it.
    }
    return 0;
}
