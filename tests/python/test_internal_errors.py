"""A C++ exception escaping into any entry point becomes PanicException, never an abort.

The failures are provoked through hooks that only a test build of the module has (CMake option
QUAYMARK_TEST_HOOKS); scripts/test.sh builds one and names its directory in
QUAYMARK_TEST_MODULE_DIR. Each case runs in its own interpreter."""

import os
import subprocess
import sys
import textwrap

import pytest

HOOKED = os.environ.get("QUAYMARK_TEST_MODULE_DIR")
pytestmark = pytest.mark.skipif(not HOOKED, reason="needs the test build of the module (QUAYMARK_TEST_MODULE_DIR)")

PRELUDE = textwrap.dedent("""
    import os, sys
    sys.path.insert(0, {dir!r})
    hook = os.environ.pop("QUAYMARK_TEST_PANIC")
    import quaymark
    assert os.path.dirname(quaymark.__file__) == {dir!r}
    from conftest import DOCUMENTS
    doc = DOCUMENTS["NotifyStopMonitoring"][0]
    envelope = quaymark.SIRI().parse(doc)
    body = envelope.body()
    os.environ["QUAYMARK_TEST_PANIC"] = hook

    def report(call):
        try:
            call()
        except Exception as e:
            print("Exception", type(e).__name__, e)
        except BaseException as e:
            print("BaseException", type(e).__name__, type(e).__mro__[1].__name__, repr(e.args))
        else:
            print("no error")
        os.environ.pop("QUAYMARK_TEST_PANIC", None)
        print("after", str(quaymark.SIRI().parse(doc)) == str(envelope))
""")


def run(hook, code):
    env = dict(os.environ, QUAYMARK_TEST_PANIC=hook)
    script = PRELUDE.format(dir=HOOKED) + textwrap.dedent(code)
    return subprocess.run([sys.executable, "-c", script], capture_output=True, text=True, env=env,
                          cwd=os.path.dirname(__file__), timeout=60)


@pytest.mark.parametrize("hook, call, message", [
    ("parse", "quaymark.SIRI().parse(doc)", "test hook: broken invariant in parse"),
    ("parse:alloc", "quaymark.SIRI().parse(doc)", "memory allocation failed"),
    ("body", "envelope.body()", "test hook: broken invariant in body"),
    ("accessor", "body.notify_stop_monitoring()", "test hook: broken invariant in accessor"),
    ("str", "str(envelope)", "test hook: broken invariant in str"),
    ("str:alloc", "str(body)", "memory allocation failed"),
])
def test_entry_points_raise_panic_exception(hook, call, message):
    out = run(hook, f"report(lambda: {call})")
    assert out.returncode == 0, out.stderr
    assert out.stdout.splitlines() == [f"BaseException PanicException BaseException ({message!r},)", "after True"]
    assert f"quaymark: fatal internal error: {message}" in out.stderr


def test_panic_during_import():
    env = dict(os.environ, QUAYMARK_TEST_PANIC="init")
    code = textwrap.dedent(f"""
        import sys
        sys.path.insert(0, {HOOKED!r})
        try:
            import quaymark
        except BaseException as e:
            print(type(e).__name__, isinstance(e, Exception), e.args)
    """)
    out = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True, env=env, timeout=60)
    assert out.returncode == 0, out.stderr
    assert out.stdout == "PanicException False ('test hook: broken invariant in init',)\n"


def test_failure_while_freeing_goes_to_the_unraisable_hook():
    out = run("dealloc", """
        seen = []
        sys.unraisablehook = lambda u: seen.append((type(u.exc_value).__name__, u.exc_value.args))
        b = envelope.body()
        del b
        os.environ.pop("QUAYMARK_TEST_PANIC")
        print(seen)
    """)
    assert out.returncode == 0, out.stderr
    assert out.stdout == "[('PanicException', ('fatal internal error while freeing an object',))]\n"
