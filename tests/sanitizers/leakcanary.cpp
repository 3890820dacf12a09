// Drops memory of its own twice: from main, and from a slot that
// QCoreApplication::exec runs, so Qt's event delivery is on the stack of the
// second lot. Under AddressSanitizer the leak check must report both; a
// suppression that matches main or a Qt frame would hide the program's leaks.

#include <QCoreApplication>
#include <QTimer>

#include <cstring>

namespace {

struct OwnedBlock {
    char bytes[48];
};

// Writes through a volatile pointer keep the allocations from being
// optimised away; it is cleared again at once.
OwnedBlock *volatile lastBlock = nullptr;

// Never inlined, so its name is a frame of every lost block's stack.
__attribute__((noinline)) void dropOwnedBlocks()
{
    // Independent blocks, not a chain: a stale copy of one pointer left in a
    // register or stack slot keeps only that one reachable.
    for (int i = 0; i < 16; ++i) {
        auto *block = new OwnedBlock;
        std::memset(block->bytes, i, sizeof block->bytes);
        lastBlock = block;
        lastBlock = nullptr;
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    dropOwnedBlocks();
    QTimer::singleShot(0, &app, [&app] {
        dropOwnedBlocks();
        app.quit();
    });
    return app.exec();
}
