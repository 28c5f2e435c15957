#pragma once
// Every text that the program shows in more than one language lives in resources/messages.tsv,
// addressed by a message number and the language digit. The file writes the three parameter marks
// as {1} {2} {3}; in memory they are the single characters below, which no translation uses as a
// letter, so a lookup only has to find them.

#include <QChar>
#include <QHash>
#include <QList>
#include <QString>

// The language digit as the settings store keeps it ("Idioma"); 0 there means "ask the system".
namespace Language {
inline constexpr int Portuguese = 1;
inline constexpr int English = 2;
inline constexpr int Spanish = 3;
inline constexpr int French = 4;
} // namespace Language

class MessageCatalog {
  public:
    static constexpr QChar Param1{0x008D};
    static constexpr QChar Param2{0x017D};
    static constexpr QChar Param3{0x008F};

    // The text of a message in a language, with "|" turned into CR LF (each one) and then the first
    // Param1 replaced by p1, the first Param2 by p2, the first Param3 by p3, in that order and on the
    // whole text, so a parameter that itself holds a later mark takes that mark's place.
    // An unknown number or a language outside 1..4 gives "".
    static QString message(int number, int language, const QString& p1 = {}, const QString& p2 = {},
                           const QString& p3 = {});

    // The stored text as it is: "|" kept, marks as the Param characters. "" when missing.
    static QString text(int number, int language);

    // Every message number in the catalogue, ascending.
    static QList<int> numbers();

    // Reads catalogue text (UTF-8, "number TAB pt TAB en TAB es TAB fr" per line, "#" starts a
    // comment line, CR LF tolerated) into id -> text, where id = number * 10 + language.
    // Lines that do not have a number and four texts are skipped with a warning.
    static QHash<int, QString> parse(const QByteArray& tsv);
};

// The user's language and the texts in it: one of these lives for the whole run, and whoever shows
// a message asks it (the language changes from the menu while the program runs).
class Messages {
  public:
    explicit Messages(int language = Language::Portuguese);
    int language() const { return m_language; }
    // Accepts 1..4; anything else leaves the language as it is.
    void setLanguage(int language);
    QString text(int number, const QString& p1 = {}, const QString& p2 = {}, const QString& p3 = {}) const;

  private:
    int m_language = Language::Portuguese;
};
