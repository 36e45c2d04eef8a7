// The row store behind every client-side result, in memory and spilled to a
// temporary file.
#include "data_access/Snapshot.h"
#include "data_access/DatabaseError.h"
#include "operations/OperationContext.h"
#include "operations/UserTexts.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <optional>
#include <sys/resource.h>

namespace tallowmere {
namespace {

std::vector<std::vector<FieldValue>> sampleRows() {
    std::vector<std::vector<FieldValue>> rows;
    for (int r = 0; r < 300; ++r) {
        rows.push_back({std::to_string(r), std::nullopt, std::string()});
        rows.back().push_back(std::string(static_cast<size_t>(r * 97 % 5000), char('a' + r % 26)));
    }
    rows[7][3] = std::string(3u << 20, 'L'); // larger than a file chunk
    rows[8][3] = std::string("nul\0inside", 10);
    rows[9][1] = "Ωμέγα 😀";
    return rows;
}

const std::vector<FieldInfo> kFields{{"ID", 3}, {"NOTE", 200}, {"EMPTY", 200}, {"BODY", 201}};

class SnapshotRoundTrip : public ::testing::TestWithParam<size_t> {};

TEST_P(SnapshotRoundTrip, ReadsBackEveryValueInOrder) {
    const auto rows = sampleRows();
    auto snapshot = std::make_unique<Snapshot>(kFields, GetParam());
    for (const auto& row : rows) {
        for (const FieldValue& value : row)
            snapshot->appendValue(value);
        snapshot->endRow();
    }
    EXPECT_EQ(snapshot->spilledToFile(), GetParam() < 1000);
    EXPECT_EQ(snapshot->rowCount(), static_cast<long>(rows.size()));

    SnapshotRecordset recordset(std::move(snapshot));
    EXPECT_EQ(recordset.recordCount(), static_cast<long>(rows.size()));
    ASSERT_EQ(recordset.fieldCount(), 4);
    EXPECT_EQ(recordset.fieldInfo(3).name, "BODY");
    EXPECT_EQ(recordset.fieldInfo(3).adoType, 201);
    for (const auto& row : rows) {
        ASSERT_FALSE(recordset.eof());
        for (size_t i = 0; i < row.size(); ++i)
            ASSERT_EQ(recordset.value(static_cast<int>(i)), row[i]) << row[0].value() << "/" << i;
        EXPECT_EQ(static_cast<const Recordset&>(recordset).value(std::string_view("NOTE")), row[1]);
        recordset.moveNext();
    }
    EXPECT_TRUE(recordset.eof());
    EXPECT_THROW(recordset.moveNext(), DatabaseError);
    EXPECT_THROW(recordset.value(0), DatabaseError);
    EXPECT_EQ(recordset.fieldIndex("EMPTY"), 2);
    EXPECT_THROW(recordset.fieldIndex("MISSING"), std::out_of_range);
}

INSTANTIATE_TEST_SUITE_P(MemoryLimits, SnapshotRoundTrip,
                         ::testing::Values(size_t{16}, size_t{1}, Snapshot::kDefaultMemoryLimit));

TEST(SnapshotLengths, LengthsPast32BitsAndTheNullMarkerReadBackAsWritten) {
    // 0xFFFFFFFF was the null marker while lengths took 32 bits.
    const uint64_t lengths[] = {
        0, 1, 0xFFFFFFFFu, uint64_t(1) << 32, Snapshot::kNullLength - 1, Snapshot::kNullLength};
    std::string stored;
    for (uint64_t length : lengths)
        Snapshot::appendLength(stored, length);
    ASSERT_EQ(stored.size(), std::size(lengths) * Snapshot::kLengthBytes);
    for (size_t i = 0; i < std::size(lengths); ++i)
        EXPECT_EQ(Snapshot::lengthAt(stored.data() + i * Snapshot::kLengthBytes), lengths[i]) << i;
    // No text, and so no value, can be as long as the marker says.
    EXPECT_GT(Snapshot::kNullLength, uint64_t(std::string().max_size()));
}

// Each test's TMPDIR names a fresh folder of its own; the old value returns.
class SnapshotSpill : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* value = std::getenv("TMPDIR"))
            oldTmpdir = value;
        std::string pattern = (std::filesystem::temp_directory_path() / "spill-XXXXXX").string();
        ASSERT_TRUE(mkdtemp(pattern.data()));
        folder = std::filesystem::canonical(pattern);
        setenv("TMPDIR", folder.c_str(), 1);
    }
    void TearDown() override {
        oldTmpdir ? setenv("TMPDIR", oldTmpdir->c_str(), 1) : unsetenv("TMPDIR");
        std::filesystem::remove_all(folder);
    }
    std::filesystem::path folder;
    std::optional<std::string> oldTmpdir;
};

std::optional<SpillFileError> spillErrorOf(const std::function<void()>& step) {
    try {
        step();
    } catch (const SpillFileError& error) {
        return error;
    }
    return std::nullopt;
}

// Rows of one value, width bytes each, past the memory limit from the first.
std::unique_ptr<Snapshot> spilledRows(long count, size_t width) {
    auto snapshot = std::make_unique<Snapshot>(std::vector<FieldInfo>{{"BODY", 201}}, 16);
    for (long row = 0; row < count; ++row, snapshot->endRow())
        snapshot->appendValue(std::string_view(std::string(width, 'x')));
    return snapshot;
}

TEST_F(SnapshotSpill, GoesToTheFolderOfTmpdirAndLeavesNothingThere) {
    const std::string missing = (folder / "missing").string();
    setenv("TMPDIR", missing.c_str(), 1);
    const auto error = spillErrorOf([] { spilledRows(1, 100); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->folder(), missing);
    EXPECT_EQ(error->reason(), std::generic_category().message(ENOENT));

    setenv("TMPDIR", folder.c_str(), 1);
    SnapshotRecordset recordset(spilledRows(3000, 1000));
    for (long row = 0; row < 3000; ++row, recordset.moveNext())
        ASSERT_EQ(recordset.value(0), std::string(1000, 'x')) << row;
    EXPECT_TRUE(recordset.eof());
    recordset.close();
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

TEST_F(SnapshotSpill, AFullDiskNamesTheFolderWhileFillingAndBeforeTheFirstRow) {
    // A file size limit stands for the full disk; with its signal ignored, writes fail EFBIG.
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const rlimit small{256u << 10, old.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    // 4 MiB fail at the first chunk written; 512 KiB wait in memory for the first row.
    const auto whileFilling = spillErrorOf([] { spilledRows(64, 64u << 10); });
    const auto beforeFirstRow = spillErrorOf([] { SnapshotRecordset(spilledRows(8, 64u << 10)); });
    std::signal(SIGXFSZ, oldSignal);
    setrlimit(RLIMIT_FSIZE, &old);
    for (const auto& error : {whileFilling, beforeFirstRow}) {
        ASSERT_TRUE(error);
        EXPECT_EQ(error->folder(), folder.string());
        EXPECT_EQ(error->reason(), std::generic_category().message(EFBIG));
        const std::string message = failureMessage(*error);
        EXPECT_EQ(message, texts::failureText(0, texts::spillFailed(folder, error->reason())));
        EXPECT_NE(message.find(folder.string() + ": File too large"), std::string::npos);
    }
}

TEST(DecimalDigits, CountsIntegerPartFractionAndSignificantDigitsOfEachForm) {
    const std::pair<const char*, DecimalDigits> cases[] = {
        {"12345678901234567890123456789012345.123456789", {35, 9, 44}},
        {"0.1234567", {0, 7, 7}},
        {"-1E-7", {0, 7, 1}},
        {"-0.0000001", {0, 7, 1}},
        {"+1.5e+3", {4, 0, 2}},
        {".5", {0, 1, 1}},
        {"  00120.2500", {3, 4, 5}},
        {"-0", {0, 0, 0}},
        {"NaN", {0, 0, 0}},
        {"", {0, 0, 0}},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        const DecimalDigits digits = DigitsOf(text);
        EXPECT_EQ(digits.integer, expected.integer);
        EXPECT_EQ(digits.fraction, expected.fraction);
        EXPECT_EQ(digits.significant, expected.significant);
    }
    // An exponent past every database's range still counts, without overflow.
    EXPECT_GT(DigitsOf("1E+99999999999999999999999").integer, 127);
}

TEST(DecimalDigits, TheSnapshotWidensOnlyDecimalFieldsToTheirWidestValue) {
    auto snapshot = std::make_unique<Snapshot>(
        std::vector<FieldInfo>{{"A", 131}, {"I", 3}, {"D", 14}, {"T", 200}}, 1);
    for (const char* a : {"3.25", "-1E-7", "123"}) {
        for (const FieldValue& value : {FieldValue(a), FieldValue(), FieldValue("9.5"),
                                        FieldValue("12345.678901234567890123")})
            snapshot->appendValue(value);
        snapshot->endRow();
    }
    const SnapshotRecordset recordset(std::move(snapshot));
    EXPECT_EQ(recordset.fieldInfo(0).widest.integer, 3);
    EXPECT_EQ(recordset.fieldInfo(0).widest.fraction, 7);
    EXPECT_EQ(recordset.fieldInfo(0).widest.significant, 3);
    EXPECT_EQ(recordset.fieldInfo(1).widest.integer, 0);
    EXPECT_EQ(recordset.fieldInfo(2).widest.fraction, 1);
    EXPECT_EQ(recordset.fieldInfo(3).widest.significant, 0);
}

TEST(Snapshot, EmptyResultStartsAtEndAndClosedRecordsetRefusesUse) {
    SnapshotRecordset empty(std::make_unique<Snapshot>(kFields, 1));
    EXPECT_TRUE(empty.eof());
    EXPECT_EQ(empty.recordCount(), 0);
    empty.close();
    EXPECT_EQ(empty.recordCount(), 0);
    EXPECT_THROW(empty.fieldCount(), std::logic_error);
}

} // namespace
} // namespace tallowmere
