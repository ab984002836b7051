#include "question_sources.h"

#include <QString>
#include <QStringEncoder>
#include <map>
#include <utility>
#include <vector>

namespace questions {
namespace {

constexpr int VelmoraLevels = 15;
constexpr const char* CrLf = "\r\n";

// How a line's tag is written in a source, for messages.
std::string written(const std::string& tag) { return tag == "==" ? tag : tag + ":"; }

std::string trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return std::string(s.substr(first, s.find_last_not_of(" \t") - first + 1));
}

// One meaningful line of a source, "== N" or "X: text"; blank lines and "#" comments are dropped.
struct SourceLine {
    int number = 0;
    std::string tag;   // "==" or the letter before ':'
    std::string text;  // the rest, blanks around it trimmed
};

// A text taken from a source, already in Windows-1251, with the line it came from.
struct Field {
    int line = 0;
    std::string text;
};

// The lines of one source file, read front to back, and the one way to report a fault in them.
class Source {
public:
    Source(std::string_view text, std::string fileName) : fileName_(std::move(fileName)) {
        if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
        for (int number = 1; !text.empty(); ++number) {
            const auto end = text.find('\n');
            std::string_view raw = text.substr(0, end);
            text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
            if (raw.ends_with('\r')) raw.remove_suffix(1);
            lastLine_ = number;
            const std::string line = trimmed(raw);
            if (line.empty() || line.starts_with('#')) continue;
            if (line.starts_with("==")) {
                lines_.push_back({number, "==", trimmed(std::string_view(line).substr(2))});
            } else if (line.size() >= 2 && line[0] >= 'A' && line[0] <= 'Z' && line[1] == ':') {
                lines_.push_back({number, line.substr(0, 1), trimmed(std::string_view(line).substr(2))});
            } else {
                fail(number, "expected \"== N\" or \"X: text\"");
            }
        }
    }

    [[noreturn]] void fail(int line, const std::string& what) const {
        throw SourceError(fileName_ + ":" + std::to_string(line) + ": " + what);
    }
    // The number of the file's last line, for faults found at its end.
    int lastLine() const { return lastLine_ > 0 ? lastLine_ : 1; }

    bool atEnd() const { return next_ == lines_.size(); }
    const SourceLine& peek() const { return lines_[next_]; }
    void skip() { ++next_; }

    // Takes the next line, which must carry `tag`, and returns its text in Windows-1251.
    Field take(const std::string& tag, bool mayBeEmpty = false) {
        if (atEnd()) fail(lastLine(), "the file ends inside a record; \"" + written(tag) + "\" expected");
        const SourceLine& line = lines_[next_++];
        if (line.tag != tag)
            fail(line.number, "expected \"" + written(tag) + "\" here, found \"" + written(line.tag) + "\"");
        if (line.text.empty() && !mayBeEmpty) fail(line.number, "empty text");
        return {line.number, encoded(line)};
    }

    // Remembers a question and refuses one that was given before.
    void checkUnique(const Field& question) {
        const auto [earlier, isNew] = questionLines_.emplace(question.text, question.line);
        if (!isNew) fail(question.line, "the question of line " + std::to_string(earlier->second) + " again");
    }

private:
    std::string encoded(const SourceLine& line) const {
        for (const unsigned char c : line.text) {
            if (c < 32) fail(line.number, "a control character in the text");
            // The games' labels take '&' as a mnemonic mark and would not show it.
            if (c == '&') fail(line.number, "'&' cannot be shown by the games");
        }
        QStringEncoder toCp1251("windows-1251");
        const QByteArray bytes = toCp1251(QString::fromUtf8(line.text));
        if (toCp1251.hasError()) fail(line.number, "a character that Windows-1251 cannot hold");
        return bytes.toStdString();
    }

    std::string fileName_;
    std::vector<SourceLine> lines_;
    std::size_t next_ = 0;
    int lastLine_ = 0;
    std::map<std::string, int> questionLines_;
};

}  // namespace

std::vector<Record> velmoraRecords(std::string_view text, const std::string& fileName) {
    Source source(text, fileName);
    std::vector<Record> records;
    int level = 0;
    int inLevel = 0;  // records in the current level
    const auto endLevel = [&](int lineNumber) {
        if (level > 0 && inLevel == 0)
            source.fail(lineNumber, "level " + std::to_string(level) + " has no question");
    };
    while (!source.atEnd()) {
        const SourceLine& line = source.peek();
        if (line.tag == "==") {
            endLevel(line.number);
            if (level == VelmoraLevels) source.fail(line.number, "more than 15 levels");
            if (line.text != std::to_string(level + 1))
                source.fail(line.number, "expected the heading \"== " + std::to_string(level + 1) + "\"");
            ++level;
            inLevel = 0;
            source.skip();
            continue;
        }
        if (level == 0) source.fail(line.number, "a record before the heading \"== 1\"");
        if (line.tag != "Q")
            source.fail(line.number, "\"" + written(line.tag) + "\" outside a record (Q:, R: and three W:)");
        const Field question = source.take("Q");
        source.checkUnique(question);
        Record record{question.line, level, question.text, {}, {source.take("R").text}, 0};
        for (int i = 0; i < 3; ++i) record.answers.push_back(source.take("W").text);
        records.push_back(std::move(record));
        ++inLevel;
    }
    endLevel(source.lastLine());
    if (level != VelmoraLevels)
        source.fail(source.lastLine(), "expected 15 levels, found " + std::to_string(level));
    return records;
}

std::string velmoraBank(std::string_view text, const std::string& fileName) {
    std::string bank;
    for (const Record& record : velmoraRecords(text, fileName)) {
        bank += record.question + CrLf;
        for (const std::string& answer : record.answers) bank += answer + CrLf;
        bank += std::to_string(record.level) + CrLf;
    }
    return bank;
}

std::vector<Record> quorvantRecords(std::string_view text, const std::string& fileName) {
    Source source(text, fileName);
    // Every text becomes a field ended by '*', so it must not hold one.
    const auto field = [&](const std::string& tag, bool mayBeEmpty = false) {
        Field f = source.take(tag, mayBeEmpty);
        if (f.text.find('*') != std::string::npos)
            source.fail(f.line, "'*' ends a field and cannot stand in a text");
        return f;
    };
    std::vector<Record> records;
    while (!source.atEnd()) {
        const SourceLine& line = source.peek();
        if (line.tag != "Q")
            source.fail(line.number, "\"" + written(line.tag) + "\" outside a record (Q:, I:, A: to D:, R:)");
        const Field question = field("Q");
        source.checkUnique(question);
        Record record{question.line, 0, question.text, {}, {}, 0};
        if (!source.atEnd() && source.peek().tag == "I") record.stored = field("I", true).text;
        for (int i = 0; i < 4; ++i) {
            const Field answer = field(std::string(1, char('A' + i)));
            if (answer.text.starts_with('#')) source.fail(answer.line, "an answer cannot begin with '#'");
            record.answers.push_back(answer.text);
        }
        const Field right = source.take("R");
        if (right.text.size() != 1 || right.text[0] < 'A' || right.text[0] > 'D')
            source.fail(right.line, "\"R:\" names one letter, A to D");
        record.right = right.text[0] - 'A';
        records.push_back(std::move(record));
    }
    if (records.empty()) source.fail(source.lastLine(), "no question");
    return records;
}

std::string quorvantBank(std::string_view text, const std::string& fileName) {
    std::string bank;
    for (const Record& record : quorvantRecords(text, fileName)) {
        std::string stored = record.question + "*" + record.stored + "*";
        for (int i = 0; i < 4; ++i) stored += (i == record.right ? "#" : "") + record.answers[i] + "*";
        bank += scramble(stored) + CrLf;
    }
    return bank;
}

std::string scramble(std::string_view text) {
    std::string stored(text);
    for (char& c : stored) {
        const unsigned char d = static_cast<unsigned char>(c);
        c = static_cast<char>(d <= 233 ? d + 22 : d - 202);
    }
    return stored;
}

std::string firstStatistics() {
    std::string stat;
    for (int i = 0; i < 16; ++i) stat += std::string("0") + CrLf;
    return stat;
}

}  // namespace questions
