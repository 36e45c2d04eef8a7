#include "ConnectionStringChecks.h"

#include "SqlReader.h"

#include <algorithm>

namespace tallowmere::fuzz {
namespace {

std::string describe(const Attribute& attribute) {
    return printable(attribute.key) + " = \"" + printable(attribute.value) + "\"" +
           (attribute.braced ? " (braced)" : "");
}

bool sameAttribute(const Attribute& a, const Attribute& b) {
    return a.key == b.key && a.value == b.value && a.braced == b.braced;
}

// The parsed string must begin with `expected[0..checked)`; when `whole`, it
// must also hold nothing else and have been read to its end.
std::string compareAttributes(std::string_view text, const std::vector<Attribute>& expected,
                              size_t checked, bool whole) {
    const ParsedConnectionString parsed = parseConnectionString(text);
    const auto failure = [&](const std::string& what) {
        return what + " (in: " + printable(text) + ")";
    };
    for (size_t i = 0; i < checked; ++i) {
        if (i >= parsed.attributes.size())
            return failure("attribute " + describe(expected[i]) + " is missing" +
                           (parsed.problem.empty() ? "" : " after: " + parsed.problem));
        if (!sameAttribute(parsed.attributes[i], expected[i]))
            return failure("attribute " + describe(expected[i]) + " reads back as " +
                           describe(parsed.attributes[i]));
    }
    if (!whole)
        return {};
    if (!parsed.problem.empty())
        return failure(parsed.problem);
    if (parsed.attributes.size() != expected.size())
        return failure("extra attribute " + describe(parsed.attributes[expected.size()]));
    return {};
}

} // namespace

ParsedConnectionString parseConnectionString(std::string_view text) {
    ParsedConnectionString result;
    size_t at = 0;
    while (at < text.size()) {
        if (text[at] == ';') {
            ++at;
            continue;
        }
        const size_t equals = text.find('=', at);
        const size_t semicolon = text.find(';', at);
        if (equals == std::string_view::npos || semicolon < equals) {
            result.problem = "attribute without \"=\": " +
                             printable(text.substr(at, semicolon == std::string_view::npos
                                                           ? std::string_view::npos
                                                           : semicolon - at));
            return result;
        }
        Attribute attribute{std::string(text.substr(at, equals - at)), {}, false};
        at = equals + 1;
        if (at < text.size() && text[at] == '{') {
            attribute.braced = true;
            bool closed = false;
            for (++at; at < text.size();) {
                if (text[at] == '}') {
                    if (at + 1 < text.size() && text[at + 1] == '}') {
                        attribute.value += '}';
                        at += 2;
                        continue;
                    }
                    ++at;
                    closed = true;
                    break;
                }
                attribute.value += text[at++];
            }
            if (!closed) {
                result.problem = "unterminated braced value of " + printable(attribute.key);
                return result;
            }
            if (at < text.size() && text[at] != ';') {
                result.problem = "text after the braced value of " + printable(attribute.key);
                return result;
            }
        } else {
            const size_t stop = std::min(text.find(';', at), text.size());
            attribute.value = std::string(text.substr(at, stop - at));
            at = stop;
        }
        result.attributes.push_back(std::move(attribute));
    }
    return result;
}

bool readsBackUnbraced(std::string_view value) {
    return value.find(';') == std::string_view::npos && (value.empty() || value.front() != '{');
}

std::string checkOracleConnectionString(const std::string& text, const ConnectionSettings& settings,
                                        bool strict, const std::string& databaseKey) {
    const std::vector<Attribute> expected{
        {"Driver", "Microsoft ODBC for Oracle", true},
        {databaseKey, settings.oracleServer, false},
        {"Uid", settings.oracleUser, false},
        {"Pwd", settings.oraclePassword, false},
    };
    size_t checked = expected.size();
    for (size_t i = 1; i < expected.size(); ++i) {
        if (!readsBackUnbraced(expected[i].value)) {
            if (strict) {
                const std::string found = compareAttributes(text, expected, expected.size(), true);
                if (!found.empty())
                    return "unprotected value of " + expected[i].key + ": " + found;
            }
            checked = i;
            break;
        }
    }
    return compareAttributes(text, expected, checked, checked == expected.size());
}

std::string checkSqlAnywhereConnectionString(const std::string& adoText,
                                             const std::string& odbcText,
                                             const std::string& dataSourceName, bool strict) {
    if (!readsBackUnbraced(dataSourceName) && !strict)
        return {};
    std::string found =
        compareAttributes(adoText, {{"Data Source", dataSourceName, false}}, 1, true);
    if (found.empty()) {
        const std::string name = dataSourceName.empty() ? "Default" : dataSourceName;
        found = compareAttributes(odbcText, {{"DSN", name, false}}, 1, true);
    }
    if (!found.empty() && !readsBackUnbraced(dataSourceName))
        return "unprotected data source name: " + found;
    return found;
}

std::string checkOdbcRewrite(std::string_view input, std::string_view output) {
    const std::string_view dataSource = "Data Source=";
    const auto failure = [&](const std::string& what) {
        return what + " (rewriting " + printable(input) + " gave " + printable(output) + ")";
    };
    if (input.substr(0, dataSource.size()) != dataSource) {
        if (output != input)
            return failure("a string without the data source key changed");
        return {};
    }
    const ParsedConnectionString before = parseConnectionString(input);
    const ParsedConnectionString after = parseConnectionString(output);
    if (before.problem.empty() != after.problem.empty())
        return failure("reading the string went differently: \"" + before.problem + "\" / \"" +
                       after.problem + "\"");
    if (before.attributes.size() != after.attributes.size())
        return failure("the number of attributes changed");
    for (size_t i = 0; i < before.attributes.size(); ++i) {
        Attribute expected = before.attributes[i];
        if (i == 0) {
            expected.key = "DSN";
            if (expected.value.empty() && !expected.braced)
                expected.value = "Default";
        }
        if (!sameAttribute(after.attributes[i], expected))
            return failure("attribute " + describe(expected) + " became " +
                           describe(after.attributes[i]));
    }
    return {};
}

} // namespace tallowmere::fuzz
