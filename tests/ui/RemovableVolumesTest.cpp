// SPDX-License-Identifier: MIT
#include "ui/RemovableVolumes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvex::ui {
namespace {

using Paths = std::vector<std::string>;

TEST(RemovableVolumes, MountTableYieldsTheDesktopsCardMounts) {
    const std::string table = "/dev/sda1 / ext4 rw 0 0\n"
                              "proc /proc proc rw 0 0\n"
                              "/dev/sdb1 /media/ann/CARD\\040ONE vfat rw 0 0\n"
                              "/dev/sdc1 /run/media/ann/K9 vfat rw 0 0\n"
                              "/dev/sdd1 /media/bob/THEIRS vfat rw 0 0\n"
                              "/dev/sde1 /media/usb0 vfat rw 0 0\n"
                              "/dev/sdf1 /media/ann/CARD/inner vfat rw 0 0\n"
                              "tmpfs /run/user/1000 tmpfs rw 0 0\n";
    EXPECT_EQ(removableMountPoints(table, "ann"),
              (Paths{"/media/ann/CARD ONE", "/run/media/ann/K9", "/media/usb0"}));
    // Without a user name only the shared /media mounts count; another user's cards never do.
    EXPECT_EQ(removableMountPoints(table, ""), (Paths{"/media/usb0"}));
    EXPECT_TRUE(removableMountPoints("", "ann").empty());
}

TEST(RemovableVolumes, ChooserStartsAtTheCardsWhileTheFolderIsTheDefault) {
    const std::string home = "/home/ann";
    // No card: the default folder; one card: that card; several: where they all are.
    EXPECT_EQ(folderChooserStart(home, home, Paths{}), home);
    EXPECT_EQ(folderChooserStart(home, home, Paths{"/media/ann/CARD"}), "/media/ann/CARD");
#ifdef _WIN32
    // Drives have no common folder: the first card.
    EXPECT_EQ(folderChooserStart(home, home, Paths{"E:\\", "F:\\"}), "E:\\");
#else
    EXPECT_EQ(folderChooserStart(home, home, Paths{"/media/ann/A", "/media/ann/B"}), "/media/ann");
    EXPECT_EQ(folderChooserStart(home, home, Paths{"/run/media/ann/A", "/media/ann/B"}),
              "/run/media/ann");
#endif
    // A folder the user has chosen is where the chooser opens again.
    EXPECT_EQ(folderChooserStart("/media/ann/B/DCIM", home, Paths{"/media/ann/A"}),
              "/media/ann/B/DCIM");
    EXPECT_EQ(folderChooserStart("", home, Paths{"/media/ann/A"}), "/media/ann/A");
}

} // namespace
} // namespace quorvex::ui
