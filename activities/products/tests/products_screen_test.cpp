// SPDX-License-Identifier: GPL-3.0-or-later
// The Products screen driven by clicks: the run every grid screen passes, then the
// sentence and the order of the Solution.

#include "products_screen.h"
#include "sentences.h"

#include "grid_screen_checks.h"

#include <QtTest>

using namespace chalkline::grids;
using namespace chalkline::grids::testing;
using chalkline::products::ProductsForm;

class ProductsScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { register_activity<ProductsForm>("products", "menu4"); }
    void cleanup() { unload_every_form(); }

    void runs_as_every_grid_screen() { check_grid_screen("products", "Products", "menu4"); }

    // Solution fills the headers before any product; the decimals kind writes tenths.
    void says_the_grid_and_fills_the_headers_first() {
        GridForm* form = open<GridForm>("products");
        const QString four = "([\\d.]+|blank), ([\\d.]+|blank), ([\\d.]+|blank), ([\\d.]+|blank)";
        const QRegularExpression sentence(
            QString(
                "^Problem: a multiplication grid, top headers %1\\. left headers %1\\. products "
                "row 1 has %1\\. row 2 has %1\\. row 3 has %1\\. row 4 has %1\\.$")
                .arg(four));
        QVERIFY2(sentence.match(shell::testing::without_code(form->sentence())).hasMatch(),
                 qPrintable(shell::testing::without_code(form->sentence())));

        click(option(form, 2));
        QVERIFY(form->board->number({0, 1}).startsWith("0.") ||
                form->board->number({0, 1}).startsWith("1."));
        QVERIFY(form->board->hidden_places().size() == 16);
        click(form->cmdsoln);
        bool product_filled = false;
        do {
            const GridPlace place = *form->board->flashing();
            const bool header = place.row == 0 || place.column == 0;
            QVERIFY(!(header && product_filled));
            product_filled = product_filled || !header;
        } while (form->timer("Timer1")->fire() && form->board->flashing());
        QVERIFY(shell::testing::without_code(form->sentence()).contains(" Answer: a multiplication grid, top headers "));
        QVERIFY(!shell::testing::without_code(form->sentence()).section(" Answer: ", 1).contains("blank"));
    }
};

QTEST_MAIN(ProductsScreenTest)
#include "products_screen_test.moc"
