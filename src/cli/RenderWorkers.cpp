#include "cli/RenderWorkers.h"

#include "cli/RenderReport.h"
#include "text/Interruption.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QUrl>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace sumire {
namespace {

// The program's environment. Where no runtime folder is set, the one this
// process chose is passed on, so that each worker does not warn about it
// again.
QProcessEnvironment workerEnvironment() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(QStringLiteral("XDG_RUNTIME_DIR"))) {
        static const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (!runtime.isEmpty()) environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    }
    return environment;
}

// One worker process and the job it is drawing (-1: none).
struct Worker {
    std::unique_ptr<QProcess> process;
    std::unique_ptr<StoppedOnInterrupt> stopped;  // told when this program is
    qsizetype job = -1;
    QByteArray pending;   // answer bytes read so far
    QByteArray messages;  // standard error bytes read so far
};

class WorkerPool {
public:
    WorkerPool(const QStringList& arguments, const QList<PageJob>& jobs, RenderReport& report)
        : arguments_(arguments), jobs_(jobs), report_(report) {}
    // The workers end by themselves once their input is closed; what they
    // print on the way out is still passed on.
    ~WorkerPool() {
        for (const auto& w : workers_) {
            w->process->waitForFinished(-1);
            readMessages(*w, true);
        }
    }
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    void run(int workers) {
        for (int n = 0; n < workers && next_ < jobs_.size(); ++n) startWorker();
        if (reported_ < jobs_.size()) loop_.exec();
    }

private:
    void startWorker() {
        auto worker = std::make_unique<Worker>();
        worker->process = std::make_unique<QProcess>();
        QProcess* process = worker->process.get();
        process->setProcessEnvironment(workerEnvironment());
        Worker* w = worker.get();
        QObject::connect(process, &QProcess::readyReadStandardOutput, process, [this, w] { readAnswers(*w); });
        QObject::connect(process, &QProcess::readyReadStandardError, process, [this, w] { readMessages(*w); });
        QObject::connect(process, &QProcess::finished, process, [this, w](int code, QProcess::ExitStatus how) {
            ended(*w, how == QProcess::CrashExit
                          ? QStringLiteral("the worker drawing it crashed")
                          : QStringLiteral("the worker drawing it ended (exit status %1)").arg(code));
        });
        QObject::connect(process, &QProcess::errorOccurred, process, [this, w](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart) ended(*w, QStringLiteral("no worker could be started"));
        });
        workers_.push_back(std::move(worker));
        process->start(QCoreApplication::applicationFilePath(), arguments_);
        w->stopped = std::make_unique<StoppedOnInterrupt>(pid_t(process->processId()));
        giveJob(*w);
    }

    void giveJob(Worker& w) {
        if (next_ >= jobs_.size()) {
            w.job = -1;
            w.process->closeWriteChannel();  // no more pages: the worker ends
            return;
        }
        w.job = next_++;
        w.process->write(jobLine(jobs_[w.job]));
    }

    void readAnswers(Worker& w) {
        w.pending += w.process->readAllStandardOutput();
        for (qsizetype end; w.job >= 0 && (end = w.pending.indexOf('\n')) >= 0;) {
            const PageOutcome outcome = readOutcomeLine(w.pending.left(end));
            w.pending.remove(0, end + 1);
            finish(w.job, outcome);
            giveJob(w);
        }
    }

    // Whole lines, passed on so that they do not break into the progress bar.
    void readMessages(Worker& w, bool ended = false) {
        w.messages += w.process->readAllStandardError();
        for (qsizetype end; (end = w.messages.indexOf('\n')) >= 0; w.messages.remove(0, end + 1))
            report_.message(QString::fromLocal8Bit(w.messages.left(end)));
        if (ended && !w.messages.isEmpty()) report_.message(QString::fromLocal8Bit(std::exchange(w.messages, {})));
    }

    // A worker that ends with a page fails that page; the pages not yet
    // given out go to a new worker.
    void ended(Worker& w, const QString& why) {
        readMessages(w, true);
        if (w.job < 0) return;
        const qsizetype job = w.job;
        w.job = -1;
        finish(job, jobs_[job].page + QStringLiteral(": ") + why);
        if (next_ < jobs_.size()) startWorker();
    }

    void finish(qsizetype job, const PageOutcome& outcome) {
        done_[job] = outcome;
        report_.finished(++finishedCount_);
        for (auto found = done_.find(reported_); found != done_.end(); found = done_.find(reported_)) {
            report_.failed(found->second);
            ++reported_;
            done_.erase(found);
        }
        if (reported_ == jobs_.size()) loop_.quit();
    }

    const QStringList& arguments_;
    const QList<PageJob>& jobs_;
    RenderReport& report_;
    std::vector<std::unique_ptr<Worker>> workers_;
    std::map<qsizetype, PageOutcome> done_;  // finished, not yet reported
    qsizetype next_ = 0, reported_ = 0, finishedCount_ = 0;
    QEventLoop loop_;
};

}  // namespace

void renderInWorkers(const QStringList& arguments, const QList<PageJob>& jobs, int workers, RenderReport& report) {
    WorkerPool pool(arguments, jobs, report);
    pool.run(workers);
}

QByteArray jobLine(const PageJob& job) {
    return QUrl::toPercentEncoding(job.page) + ' ' + QUrl::toPercentEncoding(job.file) + '\n';
}

bool readJobLine(const QByteArray& line, PageJob* job) {
    const QList<QByteArray> parts = line.trimmed().split(' ');
    if (parts.size() != 2) return false;
    *job = {QUrl::fromPercentEncoding(parts[0]), QUrl::fromPercentEncoding(parts[1])};
    return true;
}

QByteArray outcomeLine(const PageOutcome& outcome) {
    return outcome.isEmpty() ? QByteArray("ok\n") : "failed " + QUrl::toPercentEncoding(outcome) + '\n';
}

PageOutcome readOutcomeLine(const QByteArray& line) {
    if (line == "ok") return {};
    if (line.startsWith("failed ")) return QUrl::fromPercentEncoding(line.mid(7));
    return QStringLiteral("a worker answered %1").arg(QString::fromUtf8(line.left(80)));
}

}  // namespace sumire
