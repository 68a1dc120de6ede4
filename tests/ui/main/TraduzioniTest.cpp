// Qt's standard dialogs speak Italian once the program has loaded Qt's translations: the file
// dialog, the print preview and the standard buttons. The program's own captions stay as they are.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

#include "TraduzioniQt.h"

TEST(TraduzioniQt, IDialoghiStandardParlanoItaliano)
{
    {
        auto traduzioni = morella::ui::CaricaTraduzioniQt();
        ASSERT_FALSE(traduzioni.empty()) << "Qt's Italian translations are not installed";

        QPrinter stampante;
        QPrintPreviewDialog anteprima(&stampante);
        EXPECT_NE(anteprima.windowTitle(), QStringLiteral("Print Preview"));

        QFileDialog file;
        file.setOption(QFileDialog::DontUseNativeDialog);
        auto* box = file.findChild<QDialogButtonBox*>();
        ASSERT_NE(box, nullptr);
        ASSERT_NE(box->button(QDialogButtonBox::Cancel), nullptr);
        EXPECT_EQ(box->button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')),
                  QStringLiteral("Annulla"));
        for (QLabel* l : file.findChildren<QLabel*>()) {
            EXPECT_NE(l->text(), QStringLiteral("Look in:"));
            EXPECT_NE(l->text(), QStringLiteral("File &name:"));
        }
    }
    // Gone with the translators: the rest of the suite sees Qt as it was.
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')),
              QStringLiteral("Cancel"));
}
