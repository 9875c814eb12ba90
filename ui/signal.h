#pragma once
// A notification that any number of receivers hear, each until its Connection goes: how views
// follow the document model without the model knowing them.

#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

class Signal {
public:
    using Slot = std::function<void()>;

    // Keeps a receiver connected while it lives; moving it moves the connection.
    class Connection {
    public:
        Connection() = default;
        Connection(Connection &&other) noexcept { *this = std::move(other); }
        Connection &operator=(Connection &&other) noexcept {
            disconnect();
            slots_ = std::move(other.slots_);
            id_ = other.id_;
            return *this;
        }
        ~Connection() { disconnect(); }

    private:
        friend class Signal;
        // No name here may be a Qt keyword ("slots"): windows and Qt code meet in one file in
        // the tests and the player.
        Connection(std::weak_ptr<std::map<int, Slot>> receivers, int id)
            : slots_(std::move(receivers)), id_(id) {}
        void disconnect() {
            if (auto receivers = slots_.lock()) receivers->erase(id_);
            slots_.reset();
        }

        std::weak_ptr<std::map<int, Slot>> slots_;
        int id_ = 0;
    };

    [[nodiscard]] Connection connect(Slot slot) {
        slots_->emplace(++lastId_, std::move(slot));
        return Connection(slots_, lastId_);
    }

    // Calls every receiver connected now, in the order they connected. A receiver may connect or
    // disconnect others meanwhile; one that is gone by its turn is not called.
    void notify() const {
        std::vector<int> ids;
        for (const auto &[id, slot] : *slots_)
            ids.push_back(id);
        for (int id : ids) {
            auto found = slots_->find(id);
            if (found == slots_->end()) continue;
            const Slot slot = found->second;
            slot();
        }
    }

private:
    std::shared_ptr<std::map<int, Slot>> slots_ = std::make_shared<std::map<int, Slot>>();
    int lastId_ = 0;
};
