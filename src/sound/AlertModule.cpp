// SPDX-License-Identifier: GPL-3.0-or-later
// The alert sound, built as a module of its own: the audio libraries it needs load only when the
// first alert plays, never at start.
#include <QCoreApplication>
#include <QEventLoop>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace {

// Qt's sample cache, torn down at exit, waits for its loading thread while holding the lock that
// thread needs to finish a load: a program quitting while the sound still loads would never end.
// So the end waits, briefly, for the load to finish first.
void SettleBeforeQuit(QSoundEffect* effect) {
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, effect, [effect] {
        if (effect->status() != QSoundEffect::Loading)
            return;
        QEventLoop wait;
        QObject::connect(effect, &QSoundEffect::statusChanged, &wait, &QEventLoop::quit);
        QTimer::singleShot(2000, &wait, &QEventLoop::quit);
        wait.exec();
    });
}

} // namespace

extern "C" Q_DECL_EXPORT void ordalune_play_alert() {
    static QSoundEffect* const sound = [] {
        auto* effect = new QSoundEffect(QCoreApplication::instance());
        SettleBeforeQuit(effect);
        effect->setSource(QUrl(QStringLiteral("qrc:/sound/alert.wav")));
        return effect;
    }();
    // Fire and forget: without an audio device it stays silent and nothing else changes. While
    // the file is still loading, the effect plays as soon as it is ready.
    sound->play();
}
