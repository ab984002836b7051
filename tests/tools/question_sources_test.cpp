#include "question_sources.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringDecoder>
#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

using questions::SourceError;

namespace {

// Quorvant's own reading of a stored byte.
std::string decode(const std::string& stored) {
    std::string text;
    for (const unsigned char c : stored) text += static_cast<char>(c >= 54 ? c - 22 : c + 202);
    return text;
}

std::vector<std::string> crLfLines(const std::string& file) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < file.size();) {
        const auto end = file.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line, the last one too, ends with CR LF";
        if (end == std::string::npos) break;
        lines.push_back(file.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string velmoraRecord(const std::string& question) {
    return "Q: " + question + "\nR: Ной\nW: Моисей\nW: Авраам\nW: Давид\n";
}

// A good Velmora source with one record per level.
std::string velmoraSource(int levels = 15) {
    std::string source = "# comment\n\n";
    for (int level = 1; level <= levels; ++level)
        source += "== " + std::to_string(level) + "\n" + velmoraRecord("Вопрос " + std::to_string(level));
    return source;
}

std::string errorOf(const auto& convert, const std::string& source) {
    try {
        convert(source, "src.txt");
    } catch (const SourceError& e) {
        return e.what();
    }
    return "no error";
}

std::string velmoraError(const std::string& source) { return errorOf(questions::velmoraBank, source); }
std::string quorvantError(const std::string& source) { return errorOf(questions::quorvantBank, source); }

const std::string quorvantRecord =
    "Q: Столица Франции?\nI: подсказка\nA: Лион\nB: Париж\nC: Ницца\nD: Марсель\nR: B\n";

// One question of a game and its place: Velmora's level or Quorvant's block, of which one question
// each comes into a game.
struct Question {
    std::string where;  // "FILE:LINE"
    int place = 0;
    QString text;
    std::vector<QString> answers;
    int right = 0;
};

QString unicode(const std::string& cp1251) {
    QStringDecoder decoder("windows-1251");
    return decoder(QByteArrayView(cp1251.data(), static_cast<qsizetype>(cp1251.size())));
}

// Places the records of one source from `firstPlace` on, `perPlace` records each.
void addQuestions(std::vector<Question>& game, const std::vector<questions::Record>& records, const std::string& file,
                  int firstPlace, std::size_t perPlace) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        const questions::Record& r = records[i];
        Question q{file + ":" + std::to_string(r.line), r.level > 0 ? r.level : firstPlace + int(i / perPlace),
                   unicode(r.question), {}, r.right};
        for (const std::string& answer : r.answers) q.answers.push_back(unicode(answer));
        game.push_back(std::move(q));
    }
}

std::string shippedSource(const std::string& name) {
    std::ifstream in(std::string(QUESTION_SOURCES_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<Question> velmoraGame() {
    const std::string file = "velmora/questions.txt";
    std::vector<Question> game;
    addQuestions(game, questions::velmoraRecords(shippedSource(file), file), file, 0, 1);
    return game;
}

// Quorvant's sources and the blocks each is cut into.
const std::pair<std::string, int> quorvantSources[] = {{"quorvant/questions_bank0.txt", 5},
                                                       {"quorvant/questions_bank.txt", 10}};

// Quorvant draws one question from each of 5 equal blocks of bank0 and then of 10 of bank; a
// block holds the file's length divided by the blocks, rounded.
std::vector<Question> quorvantGame() {
    std::vector<Question> game;
    int firstBlock = 1;
    for (const auto& [file, blocks] : quorvantSources) {
        auto records = questions::quorvantRecords(shippedSource(file), file);
        const auto perBlock = static_cast<std::size_t>(std::nearbyint(double(records.size()) / blocks));
        records.resize(std::min(records.size(), perBlock * blocks));  // the rest is never drawn
        addQuestions(game, records, file, firstBlock, perBlock);
        firstBlock += blocks;
    }
    return game;
}

std::vector<QString> wordsOf(const QString& text) {
    std::vector<QString> words;
    QString word;
    for (const QChar c : text + u' ') {
        if (c.isLetterOrNumber()) {
            word += c;
        } else if (!word.isEmpty()) {
            words.push_back(word);
            word.clear();
        }
    }
    return words;
}

QString folded(const QString& word) { return word.toLower().replace(u'ё', u'е'); }

// The numbers an answer gives, in order: digit runs, or Russian number words, which add up
// ("сто сорок четыре") and may be multiplied ("тысяч").
std::vector<long> numbersIn(const QString& answer) {
    // Stems of the number words, with how many letters may follow; the longest that fits counts.
    static const std::vector<std::tuple<QString, long, int>> numberWords = {
        {"один", 1, 4}, {"одн", 1, 3}, {"перв", 1, 4}, {"два", 2, 0}, {"две", 2, 0}, {"двух", 2, 0},
        {"втор", 2, 4}, {"три", 3, 0}, {"трех", 3, 0}, {"трем", 3, 0}, {"трет", 3, 4}, {"четыр", 4, 3},
        {"четверт", 4, 4}, {"пят", 5, 4}, {"шест", 6, 4}, {"сем", 7, 2}, {"седьм", 7, 4}, {"восем", 8, 2},
        {"восьм", 8, 4}, {"девят", 9, 4}, {"десят", 10, 4}, {"одиннадцат", 11, 4}, {"двенадцат", 12, 4},
        {"тринадцат", 13, 4}, {"четырнадцат", 14, 4}, {"пятнадцат", 15, 4}, {"шестнадцат", 16, 4},
        {"семнадцат", 17, 4}, {"восемнадцат", 18, 4}, {"девятнадцат", 19, 4}, {"двадцат", 20, 4},
        {"тридцат", 30, 4}, {"сорок", 40, 4}, {"пятьдесят", 50, 0}, {"пятидесят", 50, 1},
        {"шестьдесят", 60, 0}, {"шестидесят", 60, 1}, {"семьдесят", 70, 0}, {"семидесят", 70, 1},
        {"восемьдесят", 80, 0}, {"девяност", 90, 3}, {"сто", 100, 0}, {"ста", 100, 0}, {"двест", 200, 1},
        {"двухсот", 200, 0}, {"трист", 300, 1}, {"трехсот", 300, 0}, {"четырест", 400, 1},
        {"пятьсот", 500, 0}, {"пятисот", 500, 0}, {"шестьсот", 600, 0}, {"семьсот", 700, 0},
        {"восемьсот", 800, 0}, {"девятьсот", 900, 0}, {"девятисот", 900, 0}};
    std::vector<long> numbers;
    long group = 0;
    const auto endGroup = [&] {
        if (group > 0) numbers.push_back(group);
        group = 0;
    };
    for (const QString& raw : wordsOf(answer)) {
        const QString word = folded(raw);
        if (word[0].isDigit()) {
            endGroup();
            numbers.push_back(word.toLong());
            continue;
        }
        if (group > 0 && word.startsWith(u"тысяч")) {
            group *= 1000;
            continue;
        }
        long value = 0;
        qsizetype longest = 0;
        for (const auto& [stem, number, rest] : numberWords)
            if (word.startsWith(stem) && word.size() - stem.size() <= rest && stem.size() > longest) {
                value = number;
                longest = stem.size();
            }
        if (value > 0) {
            group += value;
        } else {
            endGroup();
        }
    }
    endGroup();
    return numbers;
}

// The part of a name that its case forms share: without one closing vowel, й or ь, so that
// "Лазарь", "Лазаря" and "Лазарем" all begin with "лазар".
QString stemOf(const QString& name) {
    QString stem = folded(name);
    if (stem.size() > 3 && QStringLiteral("аеиоуыэюяйь").contains(stem.back())) stem.chop(1);
    return stem;
}

// Whether `word` is a case form of `stem`: the stem and an ending of at most three of the letters
// that Russian endings are made of, after "ск" in an adjective made from a name ("наинской" of
// "Наин").
bool isFormOf(const QString& word, const QString& stem) {
    const QString form = folded(word);
    if (!form.startsWith(stem)) return false;
    QStringView ending = QStringView(form).mid(stem.size());
    if (ending.startsWith(u"ск")) ending = ending.mid(2);
    return ending.size() <= 3 && std::all_of(ending.begin(), ending.end(), [](QChar c) {
               return QStringLiteral("аеиоуыэюяйьмхв").contains(c);
           });
}

// Whether two words are forms of one word, whichever of them is the shorter ("брат", "братом").
bool sameWord(const QString& a, const QString& b) { return isFormOf(a, stemOf(b)) || isFormOf(b, stemOf(a)); }

bool shareWord(const std::vector<QString>& a, const std::vector<QString>& b) {
    return std::any_of(a.begin(), a.end(), [&](const QString& x) {
        return std::any_of(b.begin(), b.end(), [&](const QString& y) { return sameWord(x, y); });
    });
}

bool isNumberWord(const QString& word) { return !numbersIn(word).empty(); }

// The words of a question that can name something: its first word is capitalized as the
// sentence's beginning only, so it names nothing.
std::vector<QString> questionWords(const QString& question) {
    std::vector<QString> words = wordsOf(question);
    if (!words.empty()) words.erase(words.begin());
    return words;
}

// A name of an answer: the stem of a word, or a number.
struct Name {
    QString stem;  // empty for a number
    long number = 0;

    bool isWord() const { return !stem.isEmpty(); }
    bool operator<(const Name& other) const { return std::tie(stem, number) < std::tie(other.stem, other.number); }
};

// What an answer names: its numbers, its capitalized words of three letters or more and a shorter
// one past its first word ("Аарон и Ор"). An answer with none of these, such as "О мудрости",
// names its first word of three letters or more.
std::vector<Name> namesOf(const QString& answer) {
    std::vector<Name> names;
    for (const long number : numbersIn(answer)) names.push_back({{}, number});
    std::vector<QString> words = wordsOf(answer);
    std::erase_if(words, isNumberWord);
    for (std::size_t i = 0; i < words.size(); ++i)
        if (words[i][0].isUpper() && (words[i].size() >= 3 || i > 0)) names.push_back({stemOf(words[i])});
    if (names.empty()) {
        const auto first = std::find_if(words.begin(), words.end(), [](const QString& w) { return w.size() >= 3; });
        if (first != words.end()) names.push_back({stemOf(*first)});
    }
    return names;
}

// A text of a question as a player sees it, the question or an option, with what in it can name
// something: its numbers, and its words that are not numbers.
struct Text {
    QString text;
    std::vector<QString> words;
    std::vector<long> numbers;
    bool isOption = false;

    Text(const QString& text, std::vector<QString> allWords, bool isOption)
        : text(text), words(std::move(allWords)), numbers(numbersIn(text)), isOption(isOption) {
        std::erase_if(words, isNumberWord);
    }

    bool names(const Name& name) const {
        if (!name.isWord()) return std::find(numbers.begin(), numbers.end(), name.number) != numbers.end();
        return std::any_of(words.begin(), words.end(), [&](const QString& word) { return isFormOf(word, name.stem); });
    }
};

std::vector<Text> textsOf(const Question& q) {
    std::vector<Text> texts{{q.text, questionWords(q.text), false}};
    for (const QString& answer : q.answers) texts.emplace_back(answer, wordsOf(answer), true);
    return texts;
}

// A name that questions at other places mention more often than this, in their texts or options,
// is one every player meets throughout a game (Moses, Jesus, Russia): naming it tells nothing.
constexpr int RareNameMentions = 2;

// Every text of an earlier question that gives away the right answer of a later one, worded for
// the author. Places are asked in order, so only what comes before a question can give it away:
// a rare name or number of its answer in a question, a rare name in an option, an option that
// offers an answer of two names or more word for word, or an option that names the answer beside
// a word of the later question ("Дочь Иаира" before "Как звали начальника синагоги, дочь которого
// воскресил Иисус?").
std::vector<std::string> answersGivenAway(const std::vector<Question>& game) {
    std::vector<std::vector<Text>> texts;
    for (const Question& q : game) texts.push_back(textsOf(q));
    const auto mentions = [](const std::vector<Text>& texts, const Name& name) {
        return std::any_of(texts.begin(), texts.end(), [&](const Text& text) { return text.names(name); });
    };
    std::vector<std::string> faults;
    for (const Question& later : game) {
        const QString& answer = later.answers[later.right];
        std::vector<Name> rare, words;  // the answer's rare names, and its names that are words
        for (const Name& name : namesOf(answer)) {
            std::size_t others = 0;
            for (std::size_t i = 0; i < game.size(); ++i)
                if (game[i].place != later.place && mentions(texts[i], name)) ++others;
            if (others <= RareNameMentions) rare.push_back(name);
            if (name.isWord()) words.push_back(name);
        }
        // The later question's own words that its answer does not repeat.
        std::vector<QString> asked;
        for (const QString& word : questionWords(later.text))
            if (word.size() >= 4 && !shareWord({word}, wordsOf(answer))) asked.push_back(word);

        for (std::size_t i = 0; i < game.size(); ++i) {
            if (game[i].place >= later.place) continue;
            for (const Text& text : texts[i]) {
                const auto named = [&](const Name& name) { return text.names(name); };
                // An option's number tells nothing of another question's.
                const auto namedRare = [&](const Name& name) {
                    return (name.isWord() || !text.isOption) && named(name);
                };
                std::string how;
                if (std::any_of(rare.begin(), rare.end(), namedRare))
                    how = "a rare name";
                else if (text.isOption && words.size() >= 2 && std::all_of(words.begin(), words.end(), named))
                    how = "word for word";
                else if (text.isOption && std::any_of(words.begin(), words.end(), named) &&
                         shareWord(text.words, asked))
                    how = "named with a word of that question";
                if (!how.empty())
                    faults.push_back(game[i].where + " \"" + text.text.toStdString() + "\" gives away \"" +
                                     answer.toStdString() + "\", the right answer of " + later.where + ": " + how);
            }
        }
    }
    return faults;
}

// Every pair of questions at different places that ask the same thing twice, worded for the
// author: they offer three names in common and share a word that no other question has
// ("Какую монету ..." twice, with the same coins). A player who met one has met the other.
std::vector<std::string> nearDuplicates(const std::vector<Question>& game) {
    const auto optionNames = [](const Question& q) {
        std::set<Name> names;
        for (const QString& answer : q.answers)
            for (const Name& name : namesOf(answer)) names.insert(name);
        return names;
    };
    const auto questionsSaying = [&](const QString& word) {
        return std::count_if(game.begin(), game.end(),
                             [&](const Question& q) { return shareWord({word}, questionWords(q.text)); });
    };
    std::vector<std::string> faults;
    for (auto a = game.begin(); a != game.end(); ++a)
        for (auto b = a + 1; b != game.end(); ++b) {
            if (a->place == b->place) continue;
            std::vector<Name> common;
            const std::set<Name> namesA = optionNames(*a), namesB = optionNames(*b);
            std::set_intersection(namesA.begin(), namesA.end(), namesB.begin(), namesB.end(),
                                  std::back_inserter(common));
            if (common.size() < 3) continue;
            const std::vector<QString> wordsB = questionWords(b->text);
            for (const QString& word : questionWords(a->text))
                if (word.size() >= 4 && shareWord({word}, wordsB) && questionsSaying(word) <= 2) {
                    faults.push_back(a->where + " and " + b->where + " both ask about \"" + word.toStdString() +
                                     "\" with the same options");
                    break;
                }
        }
    return faults;
}

// A question at `place` with the right answer first.
Question question(int place, const char* text, std::initializer_list<const char*> answers) {
    Question q{"q" + std::to_string(place), place, QString::fromUtf8(text), {}, 0};
    for (const char* answer : answers) q.answers.push_back(QString::fromUtf8(answer));
    return q;
}

// The right number's rank among the four options (0 the smallest, 3 the largest), or -1 for a
// question whose options are not four different numbers.
int rightNumberRank(const Question& q) {
    std::vector<std::vector<long>> numbers;
    for (const QString& answer : q.answers) numbers.push_back(numbersIn(answer));
    int rank = 0;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (numbers[i].empty()) return -1;
        for (std::size_t j = 0; j < i; ++j)
            if (numbers[i] == numbers[j]) return -1;
        if (numbers[i] < numbers[q.right]) ++rank;
    }
    return rank;
}

}  // namespace

TEST(Scramble, EveryShownCharacterSurvivesAndAvoidsLineBreaks) {
    for (int d = 32; d <= 255; ++d) {
        const std::string stored = questions::scramble(std::string(1, static_cast<char>(d)));
        const int c = static_cast<unsigned char>(stored[0]);
        EXPECT_GE(c, 32) << d;
        EXPECT_EQ(decode(stored), std::string(1, static_cast<char>(d))) << d;
    }
    EXPECT_EQ(questions::scramble("\xE9\xEA"), "\xFF\x20");  // 233 -> 255, 234 -> 32
}

TEST(VelmoraBank, SixLineRecordsInWindows1251WithLevelKeys) {
    const auto lines = crLfLines(questions::velmoraBank("\xEF\xBB\xBF" + velmoraSource(), "src.txt"));
    ASSERT_EQ(lines.size(), 15u * 6);
    EXPECT_EQ(lines[0], "\xC2\xEE\xEF\xF0\xEE\xF1 1");  // "Вопрос 1"
    EXPECT_EQ(lines[1], "\xCD\xEE\xE9");                // "Ной"
    EXPECT_EQ(lines[5], "1");
    EXPECT_EQ(lines[89], "15");
}

TEST(VelmoraBank, FaultsNameTheFileAndLine) {
    const std::string good = velmoraSource();
    EXPECT_EQ(velmoraError(velmoraSource(14)), "src.txt:86: expected 15 levels, found 14");
    EXPECT_EQ(velmoraError(good + "== 16\n" + velmoraRecord("Ещё")), "src.txt:93: more than 15 levels");
    EXPECT_EQ(velmoraError("== 2\n"), "src.txt:1: expected the heading \"== 1\"");
    EXPECT_EQ(velmoraError("== 1\n== 2\n"), "src.txt:2: level 1 has no question");
    EXPECT_EQ(velmoraError("Q: Вопрос\n"), "src.txt:1: a record before the heading \"== 1\"");
    EXPECT_EQ(velmoraError("== 1\nQ: Вопрос\nR: Ной\nW: Сим\nW: Хам\n== 2\n"),
              "src.txt:6: expected \"W:\" here, found \"==\"");
    EXPECT_EQ(velmoraError("== 1\nQ: Вопрос\nR: Ной\nW: Сим\nW: Хам\n"),
              "src.txt:5: the file ends inside a record; \"W:\" expected");
    EXPECT_EQ(velmoraError("== 1\n" + velmoraRecord("Вопрос") + "W: Лишний\n"),
              "src.txt:7: \"W:\" outside a record (Q:, R: and three W:)");
    EXPECT_EQ(velmoraError("== 1\nQ: Вопрос\nR:\n"), "src.txt:3: empty text");
    EXPECT_EQ(velmoraError("== 1\nQ: Что значит 水?\n"),
              "src.txt:2: a character that Windows-1251 cannot hold");
    EXPECT_EQ(velmoraError("== 1\nQ: Хлеб & вино\n"), "src.txt:2: '&' cannot be shown by the games");
    EXPECT_EQ(velmoraError("== 1\n" + velmoraRecord("Вопрос") + "== 2\n" + velmoraRecord("Вопрос")),
              "src.txt:8: the question of line 2 again");
    EXPECT_EQ(velmoraError("== 1\nвопрос без метки\n"), "src.txt:2: expected \"== N\" or \"X: text\"");
}

TEST(QuorvantBank, ScrambledLinesThatDecodeToTheFields) {
    const auto lines = crLfLines(questions::quorvantBank(
        quorvantRecord + "Q: Без второго\r\nA: 1\r\nB: 2\r\nC: 3\r\nD: 4\r\nR: D\r\n", "src.txt"));
    ASSERT_EQ(lines.size(), 2u);
    // "Столица Франции?*подсказка*Лион*#Париж*Ницца*Марсель*" in Windows-1251
    EXPECT_EQ(
        decode(lines[0]),
        "\xD1\xF2\xEE\xEB\xE8\xF6\xE0 \xD4\xF0\xE0\xED\xF6\xE8\xE8?*\xEF\xEE\xE4\xF1\xEA\xE0\xE7\xEA\xE0*"
        "\xCB\xE8\xEE\xED*#\xCF\xE0\xF0\xE8\xE6*\xCD\xE8\xF6\xF6\xE0*\xCC\xE0\xF0\xF1\xE5\xEB\xFC*");
    EXPECT_EQ(decode(lines[1]), "\xC1\xE5\xE7 \xE2\xF2\xEE\xF0\xEE\xE3\xEE**1*2*3*#4*");
}

TEST(QuorvantBank, FaultsNameTheFileAndLine) {
    EXPECT_EQ(quorvantError("Q: Звезда * ли?\n"), "src.txt:1: '*' ends a field and cannot stand in a text");
    EXPECT_EQ(quorvantError("Q: Вопрос\nA: #1\n"), "src.txt:2: an answer cannot begin with '#'");
    EXPECT_EQ(quorvantError("Q: Вопрос\nA: 1\nB: 2\nC: 3\nD: 4\nR: E\n"),
              "src.txt:6: \"R:\" names one letter, A to D");
    EXPECT_EQ(quorvantError("Q: Вопрос\nA: 1\nB: 2\nC: 3\nD: 4\nR: AB\n"),
              "src.txt:6: \"R:\" names one letter, A to D");
    EXPECT_EQ(quorvantError("Q: Вопрос\nA: 1\nB: 2\nD: 4\nR: A\n"),
              "src.txt:4: expected \"C:\" here, found \"D:\"");
    EXPECT_EQ(quorvantError("Q: Вопрос\nA: 1\tи 2\n"), "src.txt:2: a control character in the text");
    EXPECT_EQ(quorvantError(quorvantRecord + quorvantRecord), "src.txt:8: the question of line 1 again");
    EXPECT_EQ(quorvantError("# nothing\n"), "src.txt:1: no question");
}

TEST(FirstStatistics, SixteenZeroLines) {
    EXPECT_EQ(crLfLines(questions::firstStatistics()), std::vector<std::string>(16, "0"));
}

TEST(AnswersGivenAway, ARareNameOfALaterAnswerInAnEarlierQuestionOrOption) {
    // A case form and a number in a question, an adjective in an option.
    EXPECT_EQ(answersGivenAway({question(2, "Где жил Лазарь?", {"В Вифании", "В Наине"}),
                                question(4, "Кого воскресил Иисус?", {"Лазаря", "Иаира"}),
                                question(7, "Как звали собаку, полетевшую в 1957 году?", {"Лайка", "Белка"}),
                                question(9, "Кого воскресил Елисей?", {"Сына сонамитянки", "Сына наинской вдовы"}),
                                question(11, "Когда запустили первый спутник?", {"1957", "1961"}),
                                question(12, "Где Иисус воскресил сына вдовы?", {"В Наине", "В Кане"})}),
              (std::vector<std::string>{
                  "q2 \"Где жил Лазарь?\" gives away \"Лазаря\", the right answer of q4: a rare name",
                  "q7 \"Как звали собаку, полетевшую в 1957 году?\" gives away \"1957\", the right answer of q11: "
                  "a rare name",
                  "q2 \"В Наине\" gives away \"В Наине\", the right answer of q12: a rare name",
                  "q9 \"Сына наинской вдовы\" gives away \"В Наине\", the right answer of q12: a rare name"}));
    // A later question cannot give an earlier one away, nor one at the same place, which never
    // meets it in a game; a sentence's first word names nothing; a name that merely begins like
    // the answer is another name; an option's number, or another number, tells nothing; a name
    // that many questions mention is common ground.
    std::vector<Question> game{question(3, "Кого воскресил Иисус?", {"Лазаря", "Иаира"}),
                               question(3, "Где жил Лазарь?", {"В Вифании", "В Наине"}),
                               question(4, "Что сказал Лазарь?", {"Ничего", "Аминь"}),
                               question(5, "Аврам вышел из Ура?", {"Да", "Нет"}),
                               question(6, "Как Бог назвал Аврама?", {"Аврам", "Авраам"}),
                               question(7, "Кто вывел израильтян из Египта?", {"Моисей", "Аарон"}),
                               question(1, "Кто отец Авраама?", {"Фарра", "Моисей"}),
                               question(2, "Сколько юношей бросили в печь?", {"Трёх", "Восемь"}),
                               question(11, "Сколько ног у паука?", {"Восемь", "Шесть"}),
                               question(12, "Сколько крестились в Пятидесятницу?", {"Три тысячи", "Тысяча"})};
    for (int place = 8; place <= 10; ++place) game.push_back(question(place, "Куда пошёл Моисей?", {"Да", "Нет"}));
    EXPECT_EQ(answersGivenAway(game), std::vector<std::string>{});
}

TEST(AnswersGivenAway, AnEarlierOptionThatOffersOrDescribesALaterAnswerOfCommonNames) {
    std::vector<Question> game{question(2, "Кто вёл народ?", {"Моисей", "Моисей и Аарон", "Моисей и Илия"}),
                               question(3, "Кто крестил Иисуса?", {"Иоанн", "Пророк Илия", "Пётр"}),
                               question(12, "Кто говорил с фараоном?", {"Моисей и Аарон", "Иисус Навин"}),
                               question(13, "Какого пророка взяли на небо?", {"Илия", "Моисей"})};
    // Every name mentioned at enough places to be common ground.
    for (int place = 4; place <= 6; ++place)
        game.push_back(question(place, "Что сказали Моисей, Аарон и Илия?", {"Да", "Нет"}));
    EXPECT_EQ(answersGivenAway(game),
              (std::vector<std::string>{
                  "q2 \"Моисей и Аарон\" gives away \"Моисей и Аарон\", the right answer of q12: word for word",
                  "q3 \"Пророк Илия\" gives away \"Илия\", the right answer of q13: named with a word of that "
                  "question"}));
}

TEST(NearDuplicates, SameOptionsAndAWordNoOtherQuestionHas) {
    const auto coins = [](int place, const char* text) {
        return question(place, text, {"Динарий", "Лепту", "Статир", "Сребреник"});
    };
    EXPECT_EQ(nearDuplicates({coins(9, "Какую монету показали Иисусу?"), coins(13, "Какую монету нашёл Пётр?")}),
              std::vector<std::string>{"q9 and q13 both ask about \"монету\" with the same options"});
    // The same place, a word that a third question has too, or fewer names in common.
    EXPECT_EQ(nearDuplicates({coins(9, "Какую монету показали Иисусу?"), coins(9, "Какую монету нашёл Пётр?")}),
              std::vector<std::string>{});
    EXPECT_EQ(nearDuplicates({coins(9, "Какую монету показали Иисусу?"), coins(13, "Какую монету нашёл Пётр?"),
                              coins(14, "Какую монету бросила вдова?")}),
              std::vector<std::string>{});
    EXPECT_EQ(nearDuplicates({coins(9, "Какую монету показали Иисусу?"),
                              question(13, "Какую монету нашёл Пётр?", {"Статир", "Динарий", "Драхму", "Мину"})}),
              std::vector<std::string>{});
}

TEST(NumbersIn, DigitsAndRussianNumberWords) {
    EXPECT_EQ(numbersIn("42 км 195 м"), (std::vector<long>{42, 195}));
    EXPECT_EQ(numbersIn("Сто сорок четыре тысячи"), std::vector<long>{144000});
    EXPECT_EQ(numbersIn("Около трёх тысяч"), std::vector<long>{3000});
    EXPECT_EQ(numbersIn("Около ста двадцати"), std::vector<long>{120});
    EXPECT_EQ(numbersIn("Девятьсот шестьдесят девять"), std::vector<long>{969});
    EXPECT_EQ(numbersIn("Семь лет и шесть месяцев"), (std::vector<long>{7, 6}));
    EXPECT_EQ(numbersIn("В пятнадцатый"), std::vector<long>{15});
    EXPECT_EQ(numbersIn("Семи"), std::vector<long>{7});
    EXPECT_TRUE(numbersIn("Ослиной челюстью").empty());
    EXPECT_TRUE(numbersIn("Статир").empty());
    EXPECT_TRUE(numbersIn("Семаия").empty());
}

TEST(QuestionSources, NoQuestionGivesAwayTheAnswerOfALaterOne) {
    for (const auto& game : {velmoraGame(), quorvantGame()})
        for (const std::string& fault : answersGivenAway(game)) ADD_FAILURE() << fault;
}

TEST(QuestionSources, NoQuestionIsAskedTwice) {
    for (const auto& game : {velmoraGame(), quorvantGame()})
        for (const std::string& fault : nearDuplicates(game)) ADD_FAILURE() << fault;
}

// A question past the last whole block would never be drawn.
TEST(QuestionSources, QuorvantBlocksTakeEveryQuestion) {
    for (const auto& [file, blocks] : quorvantSources)
        EXPECT_EQ(questions::quorvantRecords(shippedSource(file), file).size() % blocks, 0u) << file;
}

// If the right number were seldom the smallest or the largest of the four, a player could drop
// the extremes unseen; each rank comes up about as often as the others, in the easy half of a
// game as in the hard one.
TEST(QuestionSources, RightNumbersTakeEveryRankAboutEquallyOften) {
    for (const auto& game : {velmoraGame(), quorvantGame()})
        for (const auto& [first, last] : {std::pair{1, 7}, std::pair{8, 15}}) {
            int ranks[4] = {};
            int numeric = 0;
            for (const Question& q : game)
                if (const int rank = rightNumberRank(q); rank >= 0 && q.place >= first && q.place <= last) {
                    ++ranks[rank];
                    ++numeric;
                }
            const std::string half = game.front().where + ", places " + std::to_string(first) + " to " +
                                     std::to_string(last);
            EXPECT_GE(numeric, 10) << half;
            for (int rank = 0; rank < 4; ++rank)
                EXPECT_NEAR(ranks[rank], numeric / 4.0, numeric / 10.0 + 1)
                    << half << ": rank " << rank << " of " << numeric << " numeric questions";
        }
}
