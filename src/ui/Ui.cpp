// Placeholder translation unit until the first window lands here.
namespace morella::ui {
}
