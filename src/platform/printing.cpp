#include "platform/printing.h"

#include "platform/dialogs.h"
#include "platform/internal.h"

#include <QBoxLayout>
#include <QFile>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QSpinBox>
#include <cstdio>
#include <memory>

using namespace platform;

namespace {

// The page format lives with its window and goes when the window goes.
class PageFormat : public QObject {
public:
    explicit PageFormat(QWidget* window)
        : QObject(window)
        , printer(QPrinter::HighResolution)
    {
        setObjectName(QStringLiteral("PageFormat"));
        printer.setPageOrientation(QPageLayout::Landscape);
    }
    QPrinter printer;
};

PageFormat* PageFormatOf(int window)
{
    QWidget* top = Window(window);
    return top ? top->findChild<PageFormat*>(QStringLiteral("PageFormat"), Qt::FindDirectChildrenOnly) : nullptr;
}

// A printer chosen once that is no longer there leaves the format unusable.
bool StillValid(const QPrinter& printer)
{
    if (printer.outputFormat() != QPrinter::NativeFormat || printer.printerName().isEmpty()) return true;
    return QPrinterInfo::printerInfo(printer.printerName()).isNull() == false;
}

PageFormat* EnsurePageFormat(int window)
{
    PageFormat* format = PageFormatOf(window);
    if (format && !StillValid(format->printer)) {
        delete format;
        format = nullptr;
    }
    if (!format && Window(window)) format = new PageFormat(Window(window));
    return format;
}

PrintableArea AreaOf(const QPageLayout& layout)
{
    const QRectF paint = layout.paintRect(QPageLayout::Point);
    return {paint.width(), paint.height()};
}

QSpinBox* AddScaleField(QDialog* dialog, double scalePercent)
{
    auto* box = qobject_cast<QBoxLayout*>(dialog->layout());
    if (!box) return nullptr;
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("Scale:"), dialog);
    auto* scale = new QSpinBox(dialog);
    scale->setObjectName(QStringLiteral("PrintScale"));
    scale->setRange(10, 400);
    scale->setSuffix(QStringLiteral(" %"));
    scale->setValue(int(scalePercent));
    label->setBuddy(scale);
    row->addWidget(label);
    row->addWidget(scale);
    row->addStretch();
    box->insertLayout(box->count() - 1, row);
    return scale;
}

// The copy count is not offered: a data sheet is printed once.
void LockCopies(QPrintDialog* dialog)
{
    for (const char* name : {"copies", "collate", "reverse"})
        if (QWidget* w = dialog->findChild<QWidget*>(QLatin1String(name))) w->setEnabled(false);
}

struct PrintJob {
    std::unique_ptr<QSaveFile> file;
    std::unique_ptr<QPdfWriter> pdf;
    QPrinter* printer = nullptr;
    QPainter painter;
    int error = 0;
};

std::string& ErrorText()
{
    static std::string text;
    return text;
}

std::unique_ptr<PrintJob>& Job()
{
    static std::unique_ptr<PrintJob> job;
    return job;
}

QPageSize PaperOf(std::string_view name)
{
    return QString::fromLatin1(name.data(), qsizetype(name.size()))
                .compare(QStringLiteral("Letter"), Qt::CaseInsensitive)
            == 0
        ? QPageSize(QPageSize::Letter)
        : QPageSize(QPageSize::A4);
}

// A quarter of an inch all round, the printable area of most printers.
QPageLayout PdfLayout(std::string_view pageSize)
{
    return QPageLayout(PaperOf(pageSize), QPageLayout::Landscape, QMarginsF(18, 18, 18, 18), QPageLayout::Point);
}

int StartPainting(PrintJob& job, QPagedPaintDevice* device, double scalePercent)
{
    if (!job.painter.begin(device)) return kPrintingError;
    job.painter.setRenderHint(QPainter::Antialiasing);
    job.painter.setRenderHint(QPainter::TextAntialiasing);
    const double k = device->logicalDpiX() / 72.0 * scalePercent / 100.0;
    job.painter.scale(k, k);
    SetPrintPainter(&job.painter);
    return 0;
}

} // namespace

PrintableArea SetupPageFormat(int window)
{
    PageFormat* format = EnsurePageFormat(window);
    return format ? AreaOf(format->printer.pageLayout()) : PdfPrintableArea("A4");
}

void RunPageSetupSheet(int window, double scalePercent, std::function<void(bool, double)> done)
{
    if (DialogAnswerer()) {
        const std::string answer = DialogAnswerer()({DialogRequest::PageSetup, {}, {}, {}, {}, window});
        if (answer.empty()) return done(false, scalePercent);
        return done(true, std::stod(answer));
    }
    PageFormat* format = EnsurePageFormat(window);
    if (!format) return done(false, scalePercent);
    auto* dialog = new QPageSetupDialog(&format->printer, Window(window));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    QSpinBox* scale = AddScaleField(dialog, scalePercent);
    QObject::connect(dialog, &QDialog::finished, dialog, [scale, scalePercent, done](int result) {
        const bool accepted = result == QDialog::Accepted;
        done(accepted, accepted && scale ? double(scale->value()) : scalePercent);
    });
    dialog->open();
}

void RunPrintSheet(int window, std::string_view jobName, int pages, std::function<void(bool, int, int)> done)
{
    PageFormat* format = EnsurePageFormat(window);
    if (!format) return done(false, 0, 0);
    QPrinter& printer = format->printer;
    printer.setDocName(Utf8(jobName));
    printer.setCopyCount(1);
    printer.setFromTo(0, 0);
    if (DialogAnswerer()) {
        const std::string answer
            = DialogAnswerer()({DialogRequest::Print, std::string(jobName), {}, {}, {std::to_string(pages)}, window});
        int first = 0, last = 0, used = 0;
        if (std::sscanf(answer.c_str(), "%d-%d %n", &first, &last, &used) < 2) return done(false, 0, 0);
        printer.setOutputFileName(QString::fromStdString(answer.substr(std::size_t(used))));
        return done(true, first, last);
    }
    auto* dialog = new QPrintDialog(&printer, Window(window));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinMax(1, pages);
    dialog->setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange
                       | QAbstractPrintDialog::PrintShowPageSize);
    LockCopies(dialog);
    QObject::connect(dialog, &QDialog::finished, dialog, [&printer, pages, done](int result) {
        printer.setCopyCount(1);
        const bool all = printer.fromPage() == 0;
        done(result == QDialog::Accepted, all ? 1 : printer.fromPage(), all ? pages : printer.toPage());
    });
    dialog->open();
}

int BeginPrintJob(int window, double scalePercent)
{
    PageFormat* format = PageFormatOf(window);
    if (!format) return kPrintingError;
    QPrinter& printer = format->printer;
    // With no printer at all, Qt's printer is a PDF file that has no name.
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    if (toFile ? printer.outputFileName().isEmpty() : printer.printerName().isEmpty() || !printer.isValid())
        return kNoDefaultPrinterError;
    Job() = std::make_unique<PrintJob>();
    Job()->printer = &printer;
    const int error = StartPainting(*Job(), &printer, scalePercent);
    if (error) Job().reset();
    return error;
}

int BeginPdfJob(const std::string& path, std::string_view pageSize, std::string_view title, double scalePercent)
{
    auto job = std::make_unique<PrintJob>();
    job->file = std::make_unique<QSaveFile>(QFile::decodeName(QByteArray::fromStdString(path)));
    ErrorText().clear();
    if (!job->file->open(QIODevice::WriteOnly)) {
        ErrorText() = job->file->errorString().toStdString();
        return kPrintingError;
    }
    job->pdf = std::make_unique<QPdfWriter>(job->file.get());
    job->pdf->setPageLayout(PdfLayout(pageSize));
    job->pdf->setTitle(Utf8(title));
    job->pdf->setCreator(QStringLiteral("Merestone"));
    if (const int error = StartPainting(*job, job->pdf.get(), scalePercent)) return error;
    Job() = std::move(job);
    return 0;
}

std::string PrintJobErrorText()
{
    return ErrorText();
}

PrintableArea PdfPrintableArea(std::string_view pageSize)
{
    return AreaOf(PdfLayout(pageSize));
}

bool NewPrintPage()
{
    PrintJob* job = Job().get();
    if (!job || job->error) return false;
    const bool ok = job->pdf ? job->pdf->newPage() : job->printer->newPage();
    if (!ok) job->error = kPrintingError;
    return ok;
}

int EndPrintJob()
{
    std::unique_ptr<PrintJob> job = std::move(Job());
    SetPrintPainter(nullptr);
    if (!job) return kPrintingError;
    if (!job->painter.end() && !job->error) job->error = kPrintingError;
    if (job->printer && job->printer->printerState() == QPrinter::Error && !job->error) job->error = kPrintingError;
    if (job->file) {
        job->pdf.reset(); // writes the file's last objects
        if (job->error || !job->file->commit()) {
            ErrorText() = job->file->errorString().toStdString();
            job->file->cancelWriting();
            return job->error ? job->error : kPrintingError;
        }
    }
    return job->error;
}
