// The help window shows the page of a topic, or a page naming the topic when it is missing.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "Cartelle.h"
#include "FormAiuto.h"
#include "ProvaUi.h"

using namespace morella;
using namespace morella::ui;

TEST(FormAiuto, PaginaDellArgomentoOSostituta)
{
    morella::test::TProgrammaProva programma;
    QDir().mkpath(QString::fromStdString(UnisciPercorso(DirectoryProgramma(), "Help")));
    QFile pagina(QString::fromStdString(PaginaAiuto(15)));
    ASSERT_TRUE(pagina.open(QIODevice::WriteOnly));
    pagina.write("<html><body><h1>Caricare un sistema</h1></body></html>");
    pagina.close();
    TFormAiuto aiuto;
    aiuto.MostraArgomento(15);
    EXPECT_TRUE(aiuto.TestoMostrato().contains("Caricare un sistema"));
    aiuto.MostraArgomento(77);
    EXPECT_TRUE(aiuto.TestoMostrato().contains("77"));
    EXPECT_FALSE(aiuto.TestoMostrato().trimmed().isEmpty());
}
