// The startup window: a fixed-size window without a taskbar button that the
// splash animation plays on, with the timer that drives the frames.
#include "host/forms/form_checks.h"
#include "host/forms/forms.h"

namespace host {
namespace {

constexpr EventBinding kWindowEvents[] = {{event::kCreated, HandlerId::StartupCreated}};
constexpr EventBinding kTimerEvents[] = {{event::kTick, HandlerId::SplashTick}};

constexpr UnitDefinition kControls[] = {
    {.id = unit::kSplashTimer,
     .name = "时钟1",
     .geometry = {224, 112, 26, 26},  // placement only: a timer is never drawn
     .events = kTimerEvents,
     .data = TimerData{.interval = 50}},
};

constexpr FormDefinition kStartupForm{
    .id = form::kStartup,
    .window = {.id = unit::kStartupWindow,
               .geometry = {50, 50, 495, 354},
               .visible = true,
               .events = kWindowEvents,
               .data = WindowData{.border = 2,
                                  .max_button = false,
                                  .min_button = false,
                                  .control_box = true,
                                  .start_position = 1,
                                  .movable = true,
                                  .esc_closes = true,
                                  .show_in_taskbar = false,
                                  .free_move = true,
                                  .always_on_top = false}},
    .controls = kControls,
    .menu = {},
};
static_assert(form_checks::form_is_well_formed(kStartupForm));

}  // namespace

const FormDefinition& startup_form() { return kStartupForm; }

}  // namespace host
