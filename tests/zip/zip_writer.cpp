#include "zip_writer.h"

#include <algorithm>

namespace {

void Put16(std::string& out, uint32_t v)
{
    out.push_back(static_cast<char>(v & 0xff));
    out.push_back(static_cast<char>((v >> 8) & 0xff));
}

void Put32(std::string& out, uint32_t v)
{
    Put16(out, v & 0xffff);
    Put16(out, v >> 16);
}

void Put64(std::string& out, uint64_t v)
{
    Put32(out, static_cast<uint32_t>(v));
    Put32(out, static_cast<uint32_t>(v >> 32));
}

}  // namespace

std::string WriteTestZip(const std::vector<WriterEntry>& entries, const WriterOptions& options)
{
    std::string out;
    std::vector<uint32_t> offsets;
    for (const WriterEntry& e : entries) {
        offsets.push_back(static_cast<uint32_t>(out.size()));
        Put32(out, 0x04034b50);
        Put16(out, 10);
        Put16(out, e.flags);
        Put16(out, 0);   // stored
        Put32(out, 0);   // time, date
        Put32(out, 0);   // crc
        Put32(out, 0);
        Put32(out, 0);
        Put16(out, static_cast<uint32_t>(e.name.size()));
        Put16(out, 0);
        out += e.name;
    }
    if (options.duplicateOffset && offsets.size() > 1)
        offsets[1] = offsets[0];

    std::vector<size_t> order(entries.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    if (options.reverseDirectory)
        std::reverse(order.begin(), order.end());

    const uint64_t directoryOffset = out.size();
    for (size_t k = 0; k < order.size(); ++k) {
        const WriterEntry& e = entries[order[k]];
        Put32(out, static_cast<int>(order[k]) == options.breakHeaderSignature ? 0x02014b51 : 0x02014b50);
        Put16(out, e.versionMadeBy);
        Put16(out, 10);
        Put16(out, e.flags);
        Put16(out, 0);
        Put32(out, 0);
        Put32(out, 0);
        Put32(out, 0);
        Put32(out, 0);
        const bool wideOffset = options.offsetsInExtraField;
        Put16(out, static_cast<uint32_t>(e.name.size()));
        Put16(out, wideOffset ? 12 : 0);
        Put16(out, 0);
        Put16(out, 0);   // disk number start
        Put16(out, 0);
        Put32(out, e.externalAttributes);
        Put32(out, wideOffset ? 0xffffffffu : offsets[order[k]]);
        out += e.name;
        if (wideOffset) {
            Put16(out, 0x0001);
            Put16(out, 8);
            Put64(out, offsets[order[k]]);
        }
    }
    const uint64_t directorySize = out.size() - directoryOffset;
    const uint64_t count = entries.size() + static_cast<uint64_t>(options.extraEntriesClaimed);
    const uint64_t recordedSize = directorySize + static_cast<uint64_t>(options.directorySizeDelta);
    const uint64_t recordedOffset = directoryOffset + static_cast<uint64_t>(options.directoryOffsetDelta);

    if (options.zip64) {
        const uint64_t recordOffset = out.size();
        Put32(out, 0x06064b50);
        Put64(out, 44);
        Put16(out, 45);
        Put16(out, 45);
        Put32(out, options.thisDisk);
        Put32(out, options.thisDisk);
        Put64(out, count);
        Put64(out, count);
        Put64(out, recordedSize);
        Put64(out, recordedOffset);
        Put32(out, 0x07064b50);
        Put32(out, 0);
        Put64(out, recordOffset);
        Put32(out, 1);
    }
    if (!options.omitEndRecord) {
        const bool wide = options.zip64;
        Put32(out, 0x06054b50);
        Put16(out, options.thisDisk);
        Put16(out, options.thisDisk);
        Put16(out, wide ? 0xffff : static_cast<uint32_t>(count & 0xffff));
        Put16(out, wide ? 0xffff : static_cast<uint32_t>(count & 0xffff));
        Put32(out, wide ? 0xffffffffu : static_cast<uint32_t>(recordedSize));
        Put32(out, wide ? 0xffffffffu : static_cast<uint32_t>(recordedOffset));
        Put16(out, static_cast<uint32_t>(options.comment.size()));
        out += options.comment;
    }
    return options.stub + out;
}
