#include "StreamRule.h"

#include <QIODevice>

std::optional<QByteArray> StreamRule::take(QIODevice* stream, qint64 announcedLength,
                                           const std::function<void()>& betweenBlocks)
{
    if (stream == nullptr)
        return std::nullopt;
    stream->seek(0);
    if (announcedLength == 0)
        return std::nullopt;
    QByteArray buffer;
    char block[BlockSize];
    qint64 read = 0;
    do {
        read = stream->read(block, BlockSize);
        if (read > 0)
            buffer.append(block, read);
        if (betweenBlocks)
            betweenBlocks();
    } while (read == BlockSize);
    if (buffer.size() != announcedLength)
        return std::nullopt;
    return buffer;
}
