#include "CategoryRunner.h"
#include "routine/Caucoes.h"

#include <gtest/gtest.h>

TEST(Caucoes, EachGuaranteeReturnedIsADebitTitledWithItsSupplier)
{
    CategoryRunner r;
    const QString supplier = QStringLiteral("Construtora D'Ávila e Irmãos Engenharia Ltda");
    r.suite.accounts({"382101", "382102"})
        .supplier(7, supplier)
        .expenditureAllocation(1, "382101", "001", "001", "S")
        .expenditureAllocation(2, "382102", "001", "001", "S")
        .payment(2, 20, r.march(), "001", "001", 7)
        .payment(1, 30, r.march(), "001", "001", 7)
        .payment(1, 99, r.april(), "001", "001", 7)
        // not a guarantee
        .expenditureAllocation(3, "339030", "001", "001", "N")
        .payment(3, 40, r.march(), "001", "001", 7)
        // a pair without guarantees returned gets nothing
        .expenditureAllocation(4, "339030", "002", "002", "N")
        .payment(4, 40, r.march(), "002", "002", 7);

    ASSERT_TRUE(r.run<Caucoes>());
    EXPECT_EQ(r.journal(), QStringList({
                               "101 SISTEMA PATRIMONIAL",
                               "- 001/001 D 382101 30.00 |Titulos devolvidos conf comprv",
                               "- 001/001 D 382102 20.00 |Titulos devolvidos conf comprv",
                               "101 001/001 C 372101 50.00 |Titulos devolvidos conf comprv",
                           }));
    EXPECT_EQ(r.titleOf("382101"), supplier.left(30));
    EXPECT_TRUE(r.ui.said.isEmpty());
}

TEST(Caucoes, GuaranteeAccountsAreNotCheckedAgainstTheChart)
{
    CategoryRunner r;
    r.suite.supplier(1, QStringLiteral("Fornecedor"))
        .expenditureAllocation(1, "382109", "001", "001", "S")
        .payment(1, 30, r.march(), "001", "001", 1);

    ASSERT_TRUE(r.run<Caucoes>());
    EXPECT_EQ(r.journal()[1], "- 001/001 D 382109 30.00 |Titulos devolvidos conf comprv");
    EXPECT_TRUE(r.ui.said.isEmpty());
}
