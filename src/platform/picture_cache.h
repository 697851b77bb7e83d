// SPDX-License-Identifier: MIT
#pragma once

#include "picture.h"

#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <atomic>
#include <list>

namespace platform {

// What a file on disk is right now: a picture decoded from it is good only while this stays the
// same. Two stamps of a missing file are equal.
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    quint64 device = 0;
    quint64 inode = 0;

    bool operator==(const FileStamp&) const = default;
};
FileStamp stampOf(const QString& path);

// Pictures decoded ahead of their presentation, while the user reads. Decoding a screenshot takes
// longer than a frame at high density, and a reader leaves plenty of time between two pages.
//
// A worker thread decodes the files into images; the GUI thread makes the pixmaps when the images
// arrive. A ready picture is handed out only while its files (the picture, and at a ratio above 1
// its copy at twice the density) are the ones it was decoded from; otherwise the picture is loaded
// as it would be without the cache (and kept), so a file changed on disk is shown as it now is.
// Only pictures that loaded are kept: a file that fails is tried, and its problem told, at its
// presentation.
class PictureCache : public QObject {
public:
    static constexpr int kCapacity = 4;
    // How long the presentations must rest before the decodes start: quick presses of Next don't
    // set off decodes of pages the user passes over.
    static constexpr int kRestMs = 150;

    // What the cache has done so far: what the benchmark measures, made countable for the tests.
    struct Counts {
        int servedReady = 0;    // presentations given a picture kept, not decoded at once
        int decodesQueued = 0;  // decodes asked of the worker
        int decodesBegun = 0;   // of those, the ones the worker began
        int decodesDropped = 0; // of those, the ones stop() dropped before they began
        int mostAtOnce = 0;     // the most decodes that ran at the same time
    };

    explicit PictureCache(QObject* parent = nullptr);
    ~PictureCache() override;

    // Drops the decodes not begun and waits for the one running, which never takes long. The
    // cache is closing: nothing more should be asked of it.
    void stop();

    // The picture decodePictureFor gives, and why a copy at twice the density wasn't used: the
    // ready one when its files are unchanged, else decoded now.
    PictureLoad load(const QString& path, qreal devicePixelRatio, QString* note);
    // Decodes these pictures for the ratio once nothing else has been asked for kRestMs.
    void prepareAfterRest(const QStringList& paths, qreal devicePixelRatio);
    // Decodes these pictures for the ratio now, those not ready or on their way.
    void prepare(const QStringList& paths, qreal devicePixelRatio);

    int readyCount() const { return static_cast<int>(ready_.size()); }
    // The pixels of the pictures kept.
    qint64 heldBytes() const;
    // Whether the picture for this ratio is decoded and kept, whatever its files are now.
    bool holds(const QString& path, qreal devicePixelRatio) const;
    bool decoding() const { return !pending_.isEmpty(); }
    // Waiting for the rest, or decoding.
    bool preparing() const { return rest_.isActive() || decoding(); }
    Counts counts() const;

private:
    // One decode's files and density: the cache's key.
    struct Source {
        QString path;
        bool dense = false;

        bool operator==(const Source&) const = default;
    };
    struct Stamps {
        FileStamp picture;
        FileStamp copy; // of the copy at twice the density; only for a dense source

        bool operator==(const Stamps&) const = default;
    };
    struct Ready {
        Source source;
        Stamps stamps;
        Picture picture;
        QString note;
    };

    static Source sourceFor(const QString& path, qreal devicePixelRatio);
    static Stamps stampsOf(const Source& source);
    void decode(const Source& source);
    void countRunning(int change);
    void store(const Source& source, const Stamps& stamps, ImageLoad load);
    void keep(Ready ready);
    std::list<Ready>::const_iterator find(const Source& source) const;

    std::list<Ready> ready_; // the most recently used first
    QList<Source> pending_;  // asked of the worker, not yet back
    QStringList restingPaths_;
    qreal restingRatio_ = 1;
    QTimer rest_;
    Counts counts_;
    // Counted on the worker thread.
    std::atomic<int> decodesBegun_ = 0;
    std::atomic<int> decodesRunning_ = 0;
    std::atomic<int> mostAtOnce_ = 0;
    QThreadPool worker_;
};

} // namespace platform
