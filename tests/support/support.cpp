// Keeps the support library non-empty; the fakes are header-only.
namespace tabulora_testsupport {}
