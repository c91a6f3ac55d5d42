#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QProcess>
#include <QStandardPaths>
#include <cmath>

#include "gui/PrinterSetup.h"
#include "support/ApplicationFixture.h"
#include "support/ImageSurface.h"

namespace {

class Printing : public ApplicationFixture {
  protected:
    void SetUp() override {
        ApplicationFixture::SetUp();
        // A run at another device pixel ratio may print at the same time, into files of its own.
        const qreal ratio = qApp->devicePixelRatio();
        pdf =
            QStringLiteral(TRAVIK_ARTIFACTS "/printed-%1%2.pdf")
                .arg(QString::fromStdString(::testing::UnitTest::GetInstance()->current_test_info()->name()),
                     ratio == 1 ? QString() : QStringLiteral("-at-ratio-%1").arg(ratio));
        QFile::remove(pdf);
    }
    void TearDown() override {
        gui::hooks::pageSetupDialog = nullptr;
        gui::hooks::printDialog = nullptr;
        ApplicationFixture::TearDown();
    }
    // The print dialog as a person answers it: printing into our PDF file, or cancelling.
    void AnswerPrint(bool confirm) {
        gui::hooks::printDialog = [this, confirm](QPrinter& printer, bool withSetup) {
            dialogsWithSetup.push_back(withSetup);
            offeredFiles.push_back(printer.outputFileName());
            orientation = printer.pageLayout().orientation();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            if (margins) printer.setPageMargins(*margins, QPageLayout::Point);
            paintRectPoints = printer.pageLayout().paintRect(QPageLayout::Point);
            return confirm;
        };
    }
    void AnswerPageSetup(bool confirm, QPageLayout::Orientation choose = QPageLayout::Landscape) {
        gui::hooks::pageSetupDialog = [confirm, choose](QPageLayout& layout) {
            layout.setOrientation(choose);
            return confirm;
        };
    }
    // The printed page at 96 pixels to the inch, where one diagram pixel is one pixel of the picture.
    QImage RenderedPage() {
        const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
        if (pdftoppm.isEmpty()) return {};
        QProcess render;
        const QString base = pdf.chopped(4);
        // Lines unsmoothed, as the program draws them on screen; texts smoothed, as on screen.
        render.start(pdftoppm, {"-r", "96", "-aaVector", "no", "-png", "-singlefile", pdf, base});
        render.waitForFinished(30000);
        return QImage(base + ".png");
    }
    // Where the diagram's (0, 0) lies on the rendered page.
    QPoint Origin() const {
        return QPoint(qRound(paintRectPoints.left() * 96 / 72), qRound(paintRectPoints.top() * 96 / 72));
    }

    QString pdf;
    std::optional<QMarginsF> margins;
    std::vector<bool> dialogsWithSetup;
    // The output file each print dialog was opened with, before the answer chose one.
    std::vector<QString> offeredFiles;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QRectF paintRectPoints;
};

TEST_F(Printing, BeforeAnyPageSetupTheDiagramGoesOnOnePage) {
    AnswerPrint(true);
    EXPECT_FALSE(main->FilePrint_Action());
    EXPECT_EQ(dialogsWithSetup, std::vector<bool>{false})
        << "no setup object before a page setup is confirmed";
    ASSERT_TRUE(QFile::exists(pdf));
    const QImage page = RenderedPage();
    if (page.isNull()) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    const QPoint o = Origin();
    // The black space axis along y = 400 and the red frame's time axis along x = 300, in diagram pixels.
    int black = 0, red = 0;
    for (int x = 440; x < 600; ++x) {
        const QColor c = page.pixelColor(o.x() + x, o.y() + 400);
        if (c.red() < 90 && c.green() < 90 && c.blue() < 90) ++black;
    }
    for (int y = 40; y < 300; ++y) {
        const QColor c = page.pixelColor(o.x() + 300, o.y() + y);
        if (c.red() > 180 && c.green() < 90 && c.blue() < 90) ++red;
    }
    EXPECT_GT(black, 150);
    EXPECT_GT(red, 250);
    // A tick of the black space axis 72 diagram pixels to the right of the origin.
    EXPECT_LT(page.pixelColor(o.x() + 372, o.y() + 398).lightness(), 100);
    // No white fill and no projection lines on paper: the page stays white beside the axes.
    EXPECT_GT(page.pixelColor(o.x() + 500, o.y() + 520).lightness(), 240);
}

TEST_F(Printing, PaperShowsTheStateButNoProjection) {
    Globals::inProjectingMode = true;
    Globals::Mx = 228;
    Globals::My = 256;
    AnswerPrint(true);
    main->FilePrint_Action();
    const QImage page = RenderedPage();
    if (page.isNull()) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    const QPoint o = Origin();
    // On screen a black line runs from the event to (192, 256); on paper there is none.
    EXPECT_GT(page.pixelColor(o.x() + 210, o.y() + 256).lightness(), 200);
}

TEST_F(Printing, CancelledPrintDialogPrintsNothing) {
    AnswerPrint(false);
    EXPECT_FALSE(main->FilePrint_Action());
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(Printing, ConfirmedPageSetupServesEveryLaterPrint) {
    AnswerPageSetup(false);
    EXPECT_FALSE(main->FilePageSetup_Action());
    EXPECT_FALSE(Globals::printerSetupDone);
    AnswerPrint(false);
    main->FilePrint_Action();
    EXPECT_EQ(dialogsWithSetup, std::vector<bool>{false}) << "a cancelled setup leaves prints without one";

    AnswerPageSetup(true, QPageLayout::Landscape);
    EXPECT_FALSE(main->FilePageSetup_Action());
    EXPECT_TRUE(Globals::printerSetupDone);
    AnswerPageSetup(false, QPageLayout::Portrait);
    EXPECT_FALSE(main->FilePageSetup_Action());
    EXPECT_TRUE(Globals::printerSetupDone) << "a later cancel keeps the confirmed setup";

    AnswerPrint(true);
    main->FilePrint_Action();
    EXPECT_EQ(dialogsWithSetup, (std::vector<bool>{false, true}));
    EXPECT_EQ(orientation, QPageLayout::Landscape) << "the print uses the confirmed setup";
    EXPECT_TRUE(QFile::exists(pdf));
}

// A file that cannot be written is reported in the runtime's own error box, as the user sees it, with no hook
// in its place: one that cannot be opened as the job starts, and one that fills up as the page is written,
// where Qt's PDF writer alone would end the job as if all had gone well.
TEST_F(Printing, AFileThatCannotBeWrittenIsReportedAndTheNextPrintWorks) {
    gui::hooks::unhandledError = nullptr;
    const QString good = pdf;
    struct Case {
        const char* name;
        QString file;
    };
    std::vector<Case> cases = {
        {"a folder that is not there", QStringLiteral(TRAVIK_ARTIFACTS "/no-such-folder/page.pdf")},
    };
    ASSERT_FALSE(QFileInfo::exists(QFileInfo(cases[0].file).path()));
    // A device that is always full, on systems that have one.
    if (QFileInfo::exists(QStringLiteral("/dev/full")))
        cases.push_back({"a full disk", QStringLiteral("/dev/full")});
    for (const Case& c : cases) {
        for (const bool withSetup : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (withSetup ? ", with the confirmed page setup" : ""));
            if (withSetup) {
                AnswerPageSetup(true);
                main->FilePageSetup_Action();
            }
            pdf = c.file;
            AnswerPrint(true);
            ::testing::internal::CaptureStderr();
            MenuAction(*main, "FilePrint")->trigger();
            const std::string said = ::testing::internal::GetCapturedStderr();
            EXPECT_NE(
                said.find("unhandled error: cannot print into the file \"" + c.file.toStdString() + "\""),
                std::string::npos)
                << said;
            EXPECT_EQ(said.find("Painter not active"), std::string::npos)
                << "nothing is drawn on a job that failed";
            const QList<QMessageBox*> boxes = ShownMessageBoxes();
            ASSERT_EQ(boxes.size(), 1);
            EXPECT_TRUE(boxes[0]->text().contains(c.file)) << boxes[0]->text().toStdString();
            delete boxes[0];

            pdf = good;
            QFile::remove(pdf);
            main->FilePrint_Action();
            EXPECT_TRUE(ShownMessageBoxes().isEmpty());
            ASSERT_TRUE(QFile::exists(pdf)) << "the next print works";
            if (withSetup) {
                EXPECT_EQ(offeredFiles.back().toStdString(), c.file.toStdString())
                    << "the dialog offers the file chosen last";
            }
            if (QStandardPaths::findExecutable("pdftoppm").isEmpty()) continue;
            EXPECT_FALSE(RenderedPage().isNull()) << "the next print is a page a reader opens";
        }
    }
}

// The same colour, give or take anti-aliasing: each channel within a quarter of its range, or the same ink
// at another coverage (both lie on one line from white towards the ink, as text edges do when poppler and
// Qt cover a glyph's edge pixel differently).
bool Like(const QColor& a, const QColor& b) {
    if (std::abs(a.red() - b.red()) <= 64 && std::abs(a.green() - b.green()) <= 64 &&
        std::abs(a.blue() - b.blue()) <= 64) {
        return true;
    }
    const double ar = 255 - a.red(), ag = 255 - a.green(), ab = 255 - a.blue();
    const double br = 255 - b.red(), bg = 255 - b.green(), bb = 255 - b.blue();
    const double la = std::sqrt(ar * ar + ag * ag + ab * ab), lb = std::sqrt(br * br + bg * bg + bb * bb);
    return la > 0 && lb > 0 && (ar * br + ag * bg + ab * bb) / (la * lb) > 0.98;
}

// The ink pixels of `a` (those unlike white) that have no pixel of like colour in `b` within one pixel.
int InkWithoutMatch(const QImage& a, const QImage& b) {
    int unmatched = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor ink = a.pixelColor(x, y);
            if (Like(ink, Qt::white)) continue;
            bool matched = false;
            for (int dy = -1; dy <= 1 && !matched; ++dy) {
                for (int dx = -1; dx <= 1 && !matched; ++dx) {
                    matched = b.valid(x + dx, y + dy) && Like(ink, b.pixelColor(x + dx, y + dy));
                }
            }
            unmatched += !matched;
        }
    }
    return unmatched;
}

TEST_F(Printing, ThePageShowsTheCanvasAndNothingBeyondIt) {
    // Margins of a quarter inch put the diagram's pixels on whole pixels of the rendered page.
    margins = QMarginsF(18, 18, 18, 18);
    main->CheckBox1().Value(true);
    main->CheckBox4().Value(true);
    main->CheckBox7().Value(true);
    AnswerPrint(true);
    main->FilePrint_Action();
    const QImage page = RenderedPage().convertToFormat(QImage::Format_RGB32);
    if (page.isNull()) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    const QPoint o = Origin();
    ASSERT_EQ(o, QPoint(24, 24));
    const int gw = static_cast<int>(Globals::gw), gh = static_cast<int>(Globals::gh);
    ImageSurface canvas(gw, gh);
    canvas.Paint([this](gui::Graphics& g) { main->Canvas1_Paint(main->Canvas1(), g, {}); });
    QImage onCanvas(gw, gh, QImage::Format_RGB32);
    for (int y = 0; y < gh; ++y) {
        for (int x = 0; x < gw; ++x) {
            const gui::Color c = canvas.PixelAt(x, y);
            onCanvas.setPixelColor(x, y, QColor(c.red, c.green, c.blue));
        }
    }
    // Beyond the canvas the paper stays white. The rendering inks the one column and row just past the clip's
    // right and bottom edges, so those are let be.
    int inkOutside = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (x >= o.x() && y >= o.y() && x <= o.x() + gw && y <= o.y() + gh) continue;
            inkOutside += page.pixelColor(x, y) != QColor(Qt::white);
        }
    }
    EXPECT_EQ(inkOutside, 0) << "the axes, circles and cone end at the canvas's edge, as on screen";
    // Inside, the canvas's drawing. Poppler and Qt place the pixels of a sloped line or a circle up to one
    // pixel apart, and where lines cross anti-aliased text they mix its edge pixels differently.
    const QImage printed = page.copy(o.x(), o.y(), gw, gh);
    EXPECT_LE(InkWithoutMatch(onCanvas, printed), 5) << "something of the canvas is missing on paper";
    EXPECT_LE(InkWithoutMatch(printed, onCanvas), 5) << "something on paper is not on the canvas";
}

}  // namespace
