#include "checks/JumpFields.h"

#include "model/WidgetRecords.h"

namespace zorv {

namespace {

// Reads the jumps of `page`; with a `target` (the page itself) writes the changed ones back.
class JumpVisitor {
public:
    JumpVisitor(const CPage& page, CPage* target, const JumpVisit& visit)
        : page_(page), target_(target), visit_(visit) {}

    void run() {
        PageHead head = page_.head;
        headJump(head.upPage(), std::string(kUpKeyRole), [&](uint16_t v) { head.setUpPage(v); });
        headJump(head.downPage(), "Down key", [&](uint16_t v) { head.setDownPage(v); });
        if (target_)
            target_->head = head;
        for (std::size_t i = 0; i < page_.widgets.size(); ++i) {
            const WidgetNode& node = page_.widgets[i];
            if (node.record.size() == recordSize(node.kind))
                widget(node, target_ ? &target_->widgets[i] : nullptr);
        }
    }

private:
    const CPage& page_;
    CPage* target_;
    const JumpVisit& visit_;

    // Hands one jump to the visitor; `store` takes a changed target that fits 16 bits.
    template <class Store>
    void report(const WidgetNode* node, JumpKind kind, std::string role, int target, Store store) {
        JumpField field{kind, std::move(role), target};
        visit_(node, field);
        if (target_ && field.target != target && field.target >= 0 && field.target <= 0xFFFF &&
            kind != JumpKind::Alarm)
            store(field.target);
    }

    template <class Store> void headJump(uint16_t target, std::string role, Store store) {
        report(nullptr, JumpKind::UpDown, std::move(role), target,
               [&](int v) { store(uint16_t(v)); });
    }

    void widget(const WidgetNode& node, WidgetNode* out) {
        switch (node.kind) {
        case WidgetKind::Key: {
            auto key = node.get<KeyRecord>();
            if (key.action() != KeyRecord::ScreenJump)
                break;
            const bool alarm = key.value() == KeyRecord::kJumpToAlarmList;
            report(&node, alarm ? JumpKind::Alarm : JumpKind::Key, alarm ? "alarm list" : "",
                   key.value(), [&](int v) {
                       key.setValue(uint16_t(v));
                       out->set(key);
                   });
            break;
        }
        case WidgetKind::Menu: {
            auto menu = node.get<MenuRecord>();
            if (menu.mode() != MenuRecord::kModePageJump)
                break;
            for (int k = 0; k < MenuRecord::kCapacity; ++k) {
                ChoiceEntry item = menu.entry(k);
                if (!item.used)
                    continue;
                report(&node, JumpKind::Menu, "item " + std::to_string(k + 1),
                       int(uint32_t(item.value)), [&](int v) {
                           item.value = v;
                           menu.setEntry(k, item);
                           out->set(menu);
                       });
            }
            break;
        }
        case WidgetKind::Password: {
            auto pwd = node.get<PasswordRecord>();
            report(&node, JumpKind::Password, "on success", pwd.successPage(), [&](int v) {
                pwd.setSuccessPage(uint16_t(v));
                out->set(pwd);
            });
            report(&node, JumpKind::Password, "on failure", pwd.failurePage(), [&](int v) {
                pwd.setFailurePage(uint16_t(v));
                out->set(pwd);
            });
            break;
        }
        default:
            break;
        }
    }
};

} // namespace

void visitPageJumps(const CPage& page, const JumpVisit& visit) {
    JumpVisitor(page, nullptr, visit).run();
}

void changePageJumps(CPage& page, const JumpVisit& visit) {
    JumpVisitor(page, &page, visit).run();
}

} // namespace zorv
