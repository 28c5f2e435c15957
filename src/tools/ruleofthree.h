#pragma once
// The rule of three as its window shows it, without the window: six quantities, each known in a
// base situation and, all but the unknown, in a new one; whether each varies with the unknown
// directly or inversely is asked once per quantity in plain words and kept while only values
// change. The window binds its controls to this and mirrors it after changed(); questions and
// messages go through the context's dialogs, titled with the window's caption.
//
// The unknown X = its base value × (new / base) for each direct quantity × (base / new) for each
// inverse one, computed exactly in decimal and rounded to four decimals.

#include "core/decimal.h"
#include "platform/context.h"

#include <QObject>
#include <array>

class RuleOfThree : public QObject {
    Q_OBJECT
  public:
    static constexpr int RowCount = 6;
    // A base value's whole part may have as many digits as the result can show.
    static constexpr int MaxWholeDigits = 15;
    enum class Field { Value, Description, NewValue, Unknown, Calculate };
    enum class Answer { NotAsked, Direct, Inverse };

    explicit RuleOfThree(const Context& context, QObject* parent = nullptr);

    // --- what the window shows ---------------------------------------------------------------------
    QString caption() const;
    const QString& text(int row, Field field) const;
    // The description beside the new value: the row's own, once the row is filled.
    QString newDescription(int row) const;
    bool isEnabled(int row, Field field) const;
    int unknown() const { return m_unknown; }
    Answer answer(int row) const { return m_answers[row]; }
    // After a calculation the answers are used without asking, until another unknown is marked or a
    // description changes.
    bool solved() const { return m_solved; }
    bool canCalculate() const { return m_canCalculate; }
    bool canPrint() const { return m_canPrint; }
    bool firstExampleEnabled() const { return m_firstExample; }
    bool secondExampleEnabled() const { return !m_firstExample; }
    // The proportion solved, as one line ("12 × 5/8 × 10/5 × 8/6 = 20"); "" until solved.
    const QString& proportion() const { return m_proportion; }

    // --- what the user does ------------------------------------------------------------------------
    void setText(int row, Field field, const QString& text);
    void markUnknown(int row);
    // Algorithm of the Calcular button: false when it stopped (the user was told why).
    bool calculate();
    void runFirstExample();
    void runSecondExample();

  signals:
    void changed();
    // The field (row -1 with Field::Calculate for the Calcular button) that should take the focus.
    void focusRequested(int row, RuleOfThree::Field field);

  private:
    struct Row {
        QString value, description, newValue;
    };
    bool filled(int row) const;
    bool used(int row) const;
    std::optional<Decimal> number(const QString& text) const;
    void say(int message, int icon, const QString& p1 = {});
    bool refuse(int message, int row, Field field, const QString& p1 = {});
    bool checkRows();
    bool askAnswers();
    std::optional<QString> solve(int u);
    QString message(int number, const QString& p1 = {}, const QString& p2 = {}) const;
    void fill(int row, Field field, const QString& text);

    const Context& m_context;
    std::array<Row, RowCount> m_rows;
    std::array<Answer, RowCount> m_answers{};
    int m_unknown = -1;
    int m_solvedFor = -1;
    bool m_solved = false;
    bool m_baseLocked = false;
    bool m_canCalculate = true;
    bool m_canPrint = false;
    bool m_firstExample = true;
    QString m_proportion;
};
