// SPDX-License-Identifier: GPL-3.0-or-later
// The alert sound, built as a module of its own: the audio libraries it needs load only when the
// first alert plays, never at start.
#include <QCoreApplication>
#include <QSoundEffect>
#include <QUrl>

extern "C" Q_DECL_EXPORT void ordalune_play_alert() {
    static QSoundEffect* const sound = [] {
        auto* effect = new QSoundEffect(QCoreApplication::instance());
        effect->setSource(QUrl(QStringLiteral("qrc:/sound/alert.wav")));
        return effect;
    }();
    // Fire and forget: without an audio device it stays silent and nothing else changes. While
    // the file is still loading, the effect plays as soon as it is ready.
    sound->play();
}
