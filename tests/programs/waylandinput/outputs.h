#pragma once

// Where the outputs lie in the desktop, in logical pixels, as they come and go.
#include <QRect>

#include <cstdint>
#include <list>

struct wl_output;
struct zxdg_output_manager_v1;
struct zxdg_output_v1;

class OutputLayout final {
public:
    OutputLayout() = default;
    ~OutputLayout();
    OutputLayout(const OutputLayout &) = delete;
    OutputLayout &operator=(const OutputLayout &) = delete;

    // Without the xdg-output manager only the outputs' modes are known: no logical sizes.
    void setManager(zxdg_output_manager_v1 *manager);
    void add(uint32_t globalName, wl_output *output);
    void remove(uint32_t globalName);
    // The union of all outputs; empty when none is known.
    QRect desktop() const;

    struct Output {
        uint32_t globalName = 0;
        wl_output *output = nullptr;
        zxdg_output_v1 *xdg = nullptr;
        QRect logical;
        QPoint position;
        QSize mode;
        int scale = 1;
    };

private:
    void watch(Output &output);

    zxdg_output_manager_v1 *m_manager = nullptr;
    // Listeners hold the addresses of the entries, so they must not move.
    std::list<Output> m_outputs;
};
