#pragma once
// The control ids of the forms host's own window.
namespace FormsHostId {
enum : int { AskButton = 1001, FailButton, FailWithStopButton, WorkerButton, ResultLabel };
}
