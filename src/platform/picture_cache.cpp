// SPDX-License-Identifier: MIT
#include "picture_cache.h"

#include <QFile>

#include <algorithm>

#include <sys/stat.h>

namespace platform {

FileStamp stampOf(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        return {};
    }
    const qint64 modifiedNs =
        static_cast<qint64>(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec;
    return FileStamp{true, static_cast<qint64>(status.st_size), modifiedNs,
                     static_cast<quint64>(status.st_dev), static_cast<quint64>(status.st_ino)};
}

PictureCache::PictureCache(QObject* parent) : QObject(parent) {
    // One worker: the decodes wait their turn rather than take the second core from the window.
    worker_.setMaxThreadCount(1);
    rest_.setSingleShot(true);
    rest_.setInterval(kRestMs);
    connect(&rest_, &QTimer::timeout, this, [this] { prepare(restingPaths_, restingRatio_); });
}

PictureCache::~PictureCache() {
    stop();
}

void PictureCache::stop() {
    rest_.stop();
    worker_.clear();
    worker_.waitForDone();
    counts_.decodesDropped = counts_.decodesQueued - decodesBegun_;
}

PictureCache::Counts PictureCache::counts() const {
    Counts counts = counts_;
    counts.decodesBegun = decodesBegun_;
    counts.mostAtOnce = mostAtOnce_;
    return counts;
}

PictureCache::Source PictureCache::sourceFor(const QString& path, qreal devicePixelRatio) {
    return Source{path, devicePixelRatio > 1};
}

PictureCache::Stamps PictureCache::stampsOf(const Source& source) {
    return Stamps{stampOf(source.path),
                  source.dense ? stampOf(doubleDensityName(source.path)) : FileStamp{}};
}

std::list<PictureCache::Ready>::const_iterator PictureCache::find(const Source& source) const {
    return std::find_if(ready_.begin(), ready_.end(),
                        [&](const Ready& ready) { return ready.source == source; });
}

qint64 PictureCache::heldBytes() const {
    qint64 bytes = 0;
    for (const Ready& ready : ready_) {
        const QPixmap& pixmap = ready.picture.pixmap;
        bytes += qint64(pixmap.width()) * pixmap.height() * pixmap.depth() / 8;
    }
    return bytes;
}

bool PictureCache::holds(const QString& path, qreal devicePixelRatio) const {
    return find(sourceFor(path, devicePixelRatio)) != ready_.end();
}

PictureLoad PictureCache::load(const QString& path, qreal devicePixelRatio, QString* note) {
    const Source source = sourceFor(path, devicePixelRatio);
    const Stamps now = stampsOf(source);
    if (const auto ready = find(source); ready != ready_.end()) {
        if (ready->stamps == now) {
            ready_.splice(ready_.begin(), ready_, ready);
            ++counts_.servedReady;
            if (note != nullptr && !ready->note.isEmpty()) {
                *note = ready->note;
            }
            return PictureLoad{ready->picture, QString()};
        }
        ready_.erase(ready);
    }
    ImageLoad decoded = decodePictureFor(path, devicePixelRatio);
    if (note != nullptr && !decoded.note.isEmpty()) {
        *note = decoded.note;
    }
    if (!decoded.ok()) {
        return PictureLoad{Picture{}, decoded.error};
    }
    const QString denseNote = decoded.note;
    Picture picture = pictureFromImage(std::move(decoded.image));
    // Kept for the presentations that follow at once: at start-up and on a resize the same
    // scene is presented again.
    if (stampsOf(source) == now) {
        keep(Ready{source, now, picture, denseNote});
    }
    return PictureLoad{picture, QString()};
}

void PictureCache::prepareAfterRest(const QStringList& paths, qreal devicePixelRatio) {
    restingPaths_ = paths;
    restingRatio_ = devicePixelRatio;
    rest_.start();
}

void PictureCache::prepare(const QStringList& paths, qreal devicePixelRatio) {
    for (const QString& path : paths) {
        const Source source = sourceFor(path, devicePixelRatio);
        if (find(source) == ready_.end() && !pending_.contains(source)) {
            pending_.append(source);
            ++counts_.decodesQueued;
            worker_.start([this, source] { decode(source); });
        }
    }
}

// On the worker thread: touches nothing of the cache but the queue of events to it. A file that
// changes while it is read is left to its presentation.
void PictureCache::decode(const Source& source) {
    ++decodesBegun_;
    countRunning(+1);
    const Stamps before = stampsOf(source);
    ImageLoad load = decodePictureFor(source.path, source.dense ? kDoubleDensity : 1);
    if (stampsOf(source) != before) {
        load = ImageLoad{QImage(), QStringLiteral("changed while read"), QString()};
    }
    countRunning(-1);
    QMetaObject::invokeMethod(
        this,
        [this, source, before, load = std::move(load)]() mutable {
            store(source, before, std::move(load));
        },
        Qt::QueuedConnection);
}

// The most at once is raised by whichever decode sees the new high; a failed exchange reads the
// latest most again.
void PictureCache::countRunning(int change) {
    const int running = decodesRunning_ += change;
    int most = mostAtOnce_;
    while (running > most && !mostAtOnce_.compare_exchange_weak(most, running)) {
    }
}

void PictureCache::store(const Source& source, const Stamps& stamps, ImageLoad load) {
    pending_.removeOne(source);
    if (!load.ok()) {
        return;
    }
    const QString denseNote = load.note;
    keep(Ready{source, stamps, pictureFromImage(std::move(load.image)), denseNote});
}

void PictureCache::keep(Ready ready) {
    if (const auto stale = find(ready.source); stale != ready_.end()) {
        ready_.erase(stale);
    }
    ready_.push_front(std::move(ready));
    while (ready_.size() > kCapacity) {
        ready_.pop_back();
    }
}

} // namespace platform
