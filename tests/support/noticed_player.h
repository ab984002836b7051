#pragma once
// A media player on the real sound device with its notices gathered, for the tests that play.
#include "seams.h"
#include "toolkit/media_player.h"

#include <QObject>
#include <cstddef>
#include <string>
#include <vector>

namespace testing_support {

struct NoticedPlayer {
    explicit NoticedPlayer(const std::string& fileName) {
        player.FileName = fileName;
        player.OnNotify = [this](tk::NotifyValue value) { notices.push_back(value); };
    }

    // Waits for the notices of a play that ends by itself, allowing for a busy machine.
    bool waitForNotices(std::size_t count) const {
        return waitUntil([&] { return notices.size() >= count; }, 3000 + 4 * player.Length());
    }

    QObject owner;
    tk::MediaPlayer player{&owner};
    std::vector<tk::NotifyValue> notices;
};

}  // namespace testing_support
