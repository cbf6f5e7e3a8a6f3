#pragma once
// Work the refresh tick leaves for after its own: window updates and file
// writes, so the tick computes and publishes its frame without painting or
// opening a file. The tick's owner brackets its work with begin() and end();
// in between, engines mark what changed and the work is kept: a later mark
// of the same display (owner and what) replaces the earlier one, so the
// windows show the newest state once, however many periods the tick caught
// up on. end() runs what was kept, in the order first marked. Outside a tick
// the work runs at once. One per shell: shell().engine<AfterTick>().

#include <cstdint>
#include <functional>
#include <vector>

class AfterTick {
public:
    void begin() { ++depth; }
    // Runs the kept work once the outermost tick ends.
    void end();
    bool inTick() const { return depth > 0; }

    // A display of `owner` changed; `update` brings it up to date.
    void mark(const void* owner, int what, std::function<void()> update);
    // A piece of work of `owner` that is not coalesced (a log line): run in order.
    void post(const void* owner, std::function<void()> work);
    // The owner is going: its kept work is dropped.
    void forget(const void* owner);

    // Brackets a tick's work, also when it throws.
    struct Scope {
        explicit Scope(AfterTick& a) : after(a) { after.begin(); }
        ~Scope() { after.end(); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
        AfterTick& after;
    };

private:
    struct Kept {
        const void* owner;
        int what; // -1: posted work, never coalesced
        std::function<void()> work;
    };
    std::vector<Kept> kept;
    int depth = 0;
};
