#include "FuzzInput.h"

#include <array>

namespace tallowmere::fuzz {
namespace {

constexpr std::array<int, 48> kTypeCodes{
    // the 39 codes with an ADO name
    0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 18, 19, 20, 21, 64, 72, 128, 129, 130,
    131, 132, 133, 134, 135, 136, 138, 139, 200, 201, 202, 203, 204, 205,
    // codes without one; the last three narrow to 3, 205 and 2 in 16 bits
    1, 15, 300, -1, 32767, -32768, 65539, 65741, 131074};

class Reader {
public:
    Reader(const uint8_t* data, size_t size)
        : mData(data)
        , mSize(size) {}

    bool atEnd() const { return mAt >= mSize; }

    uint8_t byte() { return atEnd() ? 0 : mData[mAt++]; }

    std::string text() {
        std::string result;
        while (!atEnd()) {
            const char c = static_cast<char>(mData[mAt++]);
            if (c != '\\') {
                result += c;
                continue;
            }
            if (!atEnd() && mData[mAt] == '\\') {
                result += '\\';
                ++mAt;
                continue;
            }
            if (!atEnd())
                ++mAt; // the byte after the ending backslash belongs to no text
            break;
        }
        return result;
    }

private:
    const uint8_t* mData;
    size_t mSize;
    size_t mAt = 0;
};

} // namespace

int typeCodeForKind(uint8_t kind) {
    return kTypeCodes[kind % kTypeCodes.size()];
}

FuzzCase decodeFuzzCase(const uint8_t* data, size_t size) {
    Reader reader(data, size);
    FuzzCase result;
    result.target = (reader.byte() & 1) != 0 ? Side::Oracle : Side::SqlAnywhere;
    result.table = reader.text();
    result.newName = reader.text();
    result.settings.oracleServer = reader.text();
    result.settings.oracleUser = reader.text();
    result.settings.oraclePassword = reader.text();
    result.settings.dataSourceName = reader.text();
    while (!reader.atEnd() && result.fields.size() < kMaxFields) {
        std::string name = reader.text();
        const uint8_t kind = reader.byte();
        std::string value = reader.text();
        result.fields.push_back({std::move(name), typeCodeForKind(kind)});
        if (kind == 'N')
            result.values.emplace_back(std::nullopt);
        else
            result.values.emplace_back(std::move(value));
    }
    return result;
}

} // namespace tallowmere::fuzz
