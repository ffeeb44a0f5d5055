// Narrow string literals are GBK bytes: the build sets the execution character
// set, so "中" is two bytes. A build without it stops here instead of turning
// every caption and message into UTF-8.
static_assert(sizeof("中") == 3, "narrow string literals must be GBK");
