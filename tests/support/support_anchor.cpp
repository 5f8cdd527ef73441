// Keeps the support library non-empty while it has no other sources.
namespace kestrian_test_support_anchor {
int anchor = 0;
}
