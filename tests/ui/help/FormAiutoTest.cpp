// The help window shows the page of a topic, or a page naming the topic when it is missing
// or is no file; it never waits on a FIFO among the pages or the pictures they show.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextBrowser>
#include <QTextDocument>
#include <chrono>

#include "Cartelle.h"
#include "FormAiuto.h"
#include "ProvaUi.h"
#include "SoccorsoFifo.h"

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

TEST(FormAiuto, UnaFifoNonFermaLaFinestra)
{
    morella::test::TProgrammaProva programma;
    const std::string help = UnisciPercorso(DirectoryProgramma(), "Help");
    QDir().mkpath(QString::fromStdString(help));
    const std::string pagina = PaginaAiuto(1);
    const std::string figura = UnisciPercorso(help, "figura.png");
    const std::string collegata = UnisciPercorso(help, "altra.html");
    ASSERT_EQ(::mkfifo(pagina.c_str(), 0644), 0);
    ASSERT_EQ(::mkfifo(figura.c_str(), 0644), 0);
    ASSERT_EQ(::mkfifo(collegata.c_str(), 0644), 0);
    QFile con(QString::fromStdString(PaginaAiuto(2)));
    ASSERT_TRUE(con.open(QIODevice::WriteOnly));
    con.write(
        "<html><body><h1>Sommario</h1><img src=\"figura.png\"><a href=\"altra.html\">altra</a>"
        "</body></html>");
    con.close();

    morella::test::TSoccorsoFifo soccorso({pagina, figura, collegata}, std::chrono::seconds(4));
    const auto inizio = std::chrono::steady_clock::now();
    TFormAiuto aiuto;
    aiuto.MostraArgomento(1);  // the page itself is a FIFO
    EXPECT_TRUE(aiuto.TestoMostrato().contains("1"));
    aiuto.MostraArgomento(2);  // a page showing a FIFO as its picture
    EXPECT_TRUE(aiuto.TestoMostrato().contains("Sommario"));
    auto* browser = aiuto.findChild<QTextBrowser*>(QStringLiteral("Pagina"));
    aiuto.show();
    browser->document()->size();  // lays the page out, picture included
    QCoreApplication::processEvents();
    browser->setSource(QUrl(QStringLiteral("altra.html")));  // the link to a FIFO
    EXPECT_LT(std::chrono::steady_clock::now() - inizio, std::chrono::seconds(2));
}
