// A message box that no test answers is closed and fails the test, instead of hanging the program.
#include "platform/Mesaj.h"
#include "support/Ortam.h"

#include <gtest/gtest-spi.h>

TEST(BeklenmeyenPencere, YanıtlanmayanMesajTestiBozar)
{
    EXPECT_NONFATAL_FAILURE(mesaj::göster(QStringLiteral("Kimsenin beklemediği mesaj")),
                            "Kimsenin beklemediği mesaj");
}
