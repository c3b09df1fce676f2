#pragma once

namespace fuzzsupport {

/// Makes the QGuiApplication that fonts, text documents and images need, on the offscreen platform
/// unless another is asked for, and keeps it for the whole run. Called from LLVMFuzzerInitialize.
void startGuiApplication();

} // namespace fuzzsupport
