// SPDX-License-Identifier: GPL-3.0-or-later
#include "sentences.h"
#include "substitution_screen.h"

#include "activity_table.h"
#include "revealing_checks.h"
#include "speech.h"

using namespace shell;
using namespace shell::testing;
using chalkline::substitution::SubstitutionForm;

class SubstitutionScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { register_activity<SubstitutionForm>("substitution", "menu2"); }
    void cleanup() { unload_every_form(); }

    void go_solution_kinds_and_exit() {
        check_revealing_screen(open_activity<SubstitutionForm>("substitution"));
    }

    // The values and the six expressions read as one problem; each value comes beside its
    // expression, and the answer lists them all.
    void reveals_each_value_beside_its_expression() {
        auto* form = open_activity<SubstitutionForm>("substitution");
        QVERIFY2(shell::testing::without_code(form->sentence()).startsWith(
                     "Problem: " +
                     shell::speech::words(form->Label2[0]->caption() + ", " +
                                          form->Label2[1]->caption() + ", " +
                                          form->Label2[2]->caption()) +
                     ". Find " + shell::speech::words(form->Label3[0]->caption()) + ", "),
                 qPrintable(shell::testing::without_code(form->sentence())));
        reveal_all(form);
        QStringList answers;
        for (std::size_t k = 0; k < form->Label3.size(); ++k) {
            QVERIFY(form->Label4[k]->visible());
            answers << shell::speech::words(form->Label3[k]->caption() + " " +
                                            form->Label4[k]->caption());
        }
        QVERIFY(shell::testing::without_code(form->sentence()).endsWith(" Answer: " + answers.join(". ") + "."));
    }
};

QTEST_MAIN(SubstitutionScreenTest)
#include "substitution_screen_test.moc"
