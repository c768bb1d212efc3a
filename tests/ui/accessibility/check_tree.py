"""Starts the views program, reads its accessibility tree over AT-SPI as a screen reader would,
then walks every view with the keyboard alone (xdotool), checking that each action is reached and
triggered. Run by run-accessibility-check, which provides the display and the session bus."""
import os
import subprocess
import sys
import time

import pyatspi

FIXTURE, WORK = sys.argv[1], sys.argv[2]
ACTIONS = os.path.join(WORK, 'actions')
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print('FAIL: ' + message, flush=True)


def wait_for(predicate, timeout=10.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(0.05)
    return predicate()


def actions():
    if not os.path.exists(ACTIONS):
        return []
    with open(ACTIONS, encoding='utf-8') as log:
        return log.read().splitlines()


def has(node, state):
    return node.getState().contains(state)


def showing(node):
    """The node's showing descendants, depth first: what a screen reader can reach."""
    found = []
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None and has(child, pyatspi.STATE_SHOWING):
            found.append(child)
            found.extend(showing(child))
    return found


def named(node, role=None):
    return [(e.getRoleName(), e.name) for e in showing(node) if e.name and (role is None or e.getRoleName() == role)]


def find(node, role, name):
    for element in showing(node):
        if element.getRoleName() == role and element.name == name:
            return element
    return None


_focusable = {}


def focused(window):
    """The name of the focused element; only focusable ones are asked, to keep the bus quiet."""
    for refresh in (False, True):
        if refresh or window not in _focusable:
            _focusable[window] = [e for e in [window] + showing(window) if has(e, pyatspi.STATE_FOCUSABLE)]
        for element in _focusable[window]:
            try:
                if has(element, pyatspi.STATE_FOCUSED):
                    return element.name
            except Exception:  # gone since the list was made
                continue
    return None


def key(*keys):
    subprocess.run(['xdotool', 'key', '--clearmodifiers'] + list(keys), check=True)


def focus_window(title):
    window_ids = subprocess.run(['xdotool', 'search', '--name', '^' + title + '$'], capture_output=True, text=True).stdout.split()
    check(len(window_ids) == 1, 'one window titled %r, found %d' % (title, len(window_ids)))
    subprocess.run(['xdotool', 'windowfocus', '--sync', window_ids[0]], check=True)


def tab_order(window, count):
    """The names focus visits from where it is, pressing Tab count times."""
    visited = []
    for _ in range(count):
        current = wait_for(lambda: focused(window))
        visited.append(current)
        key('Tab')
        wait_for(lambda: focused(window) != current, timeout=1.0)
    return visited


def go_to(window, name):
    for _ in range(30):
        if focused(window) == name:
            return True
        current = focused(window)
        key('Tab')
        wait_for(lambda: focused(window) != current, timeout=1.0)
    check(False, 'Tab never reaches %r' % name)
    return False


def trigger(window, name, keys, expected_action):
    if not go_to(window, name):
        return
    before = len(actions())
    key(*keys)
    check(wait_for(lambda: expected_action in actions()[before:], timeout=5.0),
          '%s on %r should %r; did %r' % ('+'.join(keys), name, expected_action, actions()[before:]))


def checked(window, role, name):
    element = find(window, role, name)
    return element is not None and has(element, pyatspi.STATE_CHECKED)


CLAUDE_WEEK = 'Used 9 % in 3 days; last week 48 % at this point'


def check_popover(window):
    bars = [(e.name, e.queryValue().currentValue) for e in showing(window) if e.getRoleName() == 'progress bar']
    check(bars == [('62 percent remaining', 62.0), ('91 percent remaining', 91.0)], 'popover bars: %r' % bars)
    elements = named(window)
    check(('label', 'Requires connection') in elements, 'the ChatGPT subtitle is a label: %r' % elements)
    buttons = [name for role, name in elements if role == 'push button']
    check(buttons == ['Connect ChatGPT', 'Refresh allowances', 'Settings'], 'popover buttons: %r' % buttons)
    check(elements.index(('push button', 'Refresh allowances')) > elements.index(('label', 'Claude')), 'rows come before the footer')
    rows = [e for e in showing(window) if e.name == 'Claude' and e.getRoleName() != 'label']
    check([r.description for r in rows] == [CLAUDE_WEEK], 'the Claude row describes its week: %r' % [r.description for r in rows])
    refresh = find(window, 'push button', 'Refresh allowances')
    status = [name for role, name in named(refresh) if role == 'label']
    check(status == ['Updated just now'], 'the refresh status is a label: %r' % status)
    check(refresh.description == '', 'the refresh status is not a description: %r' % refresh.description)
    # The icon tiles are decoration: nothing nameless that is not a container of named things.
    bare = [e.getRoleName() for e in showing(window) if not e.name and not named(e)]
    check(bare == [], 'popover elements without a name: %r' % bare)


def check_welcome(window):
    elements = named(window)
    check(elements == [('label', 'Welcome to Quelta'), ('label', 'See your usage in the system tray.'), ('push button', 'Get started')],
          'welcome page: %r' % elements)


def check_cards(window):
    cards = [(e.name, has(e, pyatspi.STATE_CHECKED)) for e in showing(window) if e.getRoleName() == 'check box']
    check(cards == [('Framer', False), ('ChatGPT', True), ('Claude', True)], 'provider cards: %r' % cards)
    check(named(window, 'push button') == [('push button', 'Continue')], 'providers page buttons: %r' % named(window, 'push button'))


SETTINGS_SWITCHES = [
    ('Show Framer in Quelta', False), ('Show ChatGPT in Quelta', True), ('Show Claude in Quelta', True),
    ('Allow usage alerts', True), ('Usage pace', True), ('Low allowance', True), ('Limit resets', True), ('Disconnections', True),
    ('Show allowance in panel', False), ('Launch Quelta at Login', False), ('Share anonymous analytics', True),
]


def check_settings(window):
    switches = [(e.name, has(e, pyatspi.STATE_CHECKED)) for e in showing(window) if e.getRoleName() == 'check box']
    check(switches == SETTINGS_SWITCHES, 'settings switches: %r' % switches)
    buttons = [name for _, name in named(window, 'push button')]
    check(buttons == ['Connect', 'Show History…', 'Clear History…', 'Open Form', 'Check for Updates'], 'settings buttons: %r' % buttons)
    pickers = combo_labels(window)
    check(pickers == [('Weekly Limit (All Models)', 'Usage Limit'), ('90 days', 'Keep History')], 'settings pickers: %r' % pickers)


def combo_labels(window):
    """Each combo box's name (its current item) and the label it is labelled by."""
    return [(e.name, ''.join(r.getTarget(0).name for r in e.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABELLED_BY))
            for e in showing(window) if e.getRoleName() == 'combo box']


def walk_popover(window):
    focus_window('Quelta')
    order = ['Connect ChatGPT', 'Claude', 'Refresh allowances', 'Settings']
    visited = tab_order(window, len(order) + 1)
    check(visited == order + order[:1], 'popover Tab order: %r' % visited)
    # The row reached by Tab shows its sparkline, named as the row is described.
    if go_to(window, 'Claude'):
        check(wait_for(lambda: [n for _, n in named(window) if n == CLAUDE_WEEK], timeout=5.0), 'the focused row shows its sparkline')
    trigger(window, 'Connect ChatGPT', ['space'], 'connect codex')
    trigger(window, 'Refresh allowances', ['space'], 'refresh')
    trigger(window, 'Settings', ['space'], 'open settings')
    trigger(window, 'Settings', ['ctrl+r'], 'refresh')


def walk_welcome(window):
    focus_window('Welcome')
    check(wait_for(lambda: focused(window)) == 'Get started', 'the welcome page starts at "Get started": %r' % focused(window))
    trigger(window, 'Get started', ['Return'], 'get started')


def walk_cards(window):
    focus_window('Providers')
    order = ['Framer', 'ChatGPT', 'Claude', 'Continue']
    visited = tab_order(window, len(order) + 1)
    check(visited == order + order[:1], 'providers page Tab order: %r' % visited)
    trigger(window, 'Framer', ['space'], 'providers framer,codex,claudeCode')
    check(wait_for(lambda: checked(window, 'check box', 'Framer')), 'Space checks the Framer card')
    trigger(window, 'ChatGPT', ['space'], 'providers framer,claudeCode')
    trigger(window, 'Continue', ['Return'], 'continue')


def walk_settings(window):
    focus_window('Quelta Settings')
    order = ['Show Framer in Quelta', 'Connect', 'Show ChatGPT in Quelta', 'Show Claude in Quelta', 'Weekly Limit (All Models)',
             'Allow usage alerts', 'Usage pace', 'Low allowance', 'Limit resets', 'Disconnections', 'Show allowance in panel',
             'Launch Quelta at Login', 'Share anonymous analytics', '90 days', 'Show History…', 'Clear History…', 'Open Form',
             'Check for Updates', 'Quelta Settings']
    visited = tab_order(window, len(order) + 1)
    check(visited == order + order[:1], 'settings Tab order: %r' % visited)
    trigger(window, 'Connect', ['space'], 'sign in codex')
    picker = [e for e in showing(window) if e.getRoleName() == 'combo box'][0]
    if go_to(window, picker.name):
        key('Down')
        check(wait_for(lambda: picker.name == 'Weekly Limit (Fable 5)', timeout=5.0), 'Down picks the next limit: %r' % picker.name)
    for name, was in SETTINGS_SWITCHES[:3] + SETTINGS_SWITCHES[4:]:
        if go_to(window, name):
            key('space')
            check(wait_for(lambda: checked(window, 'check box', name) != was, timeout=5.0), 'Space flips %r' % name)
    trigger(window, 'Show History…', ['space'], 'show history')
    trigger(window, 'Open Form', ['space'], 'open form')
    trigger(window, 'Check for Updates', ['space'], 'check for updates')
    if go_to(window, 'Allow usage alerts'):
        key('space')
        check(wait_for(lambda: find(window, 'check box', 'Usage pace') is None, timeout=5.0), 'turning alerts off hides their options')


def check_history(window):
    pickers = combo_labels(window)
    check(pickers == [('Claude', 'Account'), ('Last 7 days', 'Period')], 'history pickers: %r' % pickers)
    described = [(e.name, e.description) for e in showing(window) if e.description]
    check(described[:1] == [('Weekly · all models', 'Peak 48 % in the last 7 days · now 9 %')], 'history charts: %r' % described)
    calendar = find(window, 'filler', 'Daily peak use') or next((e for e in showing(window) if e.name == 'Daily peak use'), None)
    check(calendar is not None and calendar.description.endswith('peak 48 %'), 'the calendar tells its busiest day: %r' %
          (calendar and calendar.description))
    check(('label', 'No limit ran out in this period.') in named(window), 'the ran-out list says it is empty')


def walk_history(window, app):
    focus_window('Quelta History')
    visited = tab_order(window, 3)
    check(visited == ['Claude', 'Last 7 days', 'Claude'], 'history Tab order: %r' % visited)
    if go_to(window, 'Last 7 days'):
        key('Down')
        check(wait_for(lambda: any(e.description == 'Peak 48 % in the last 30 days · now 9 %' for e in showing(window)), timeout=5.0),
              'Down picks the next period and the charts follow')
    key('Escape')
    check(wait_for(lambda: not any(w is not None and w.name == 'Quelta History' for w in app), timeout=5.0), 'Escape closes the history')


def main():
    environment = dict(os.environ, QT_QPA_PLATFORM='xcb', QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1')
    views = subprocess.Popen([FIXTURE, ACTIONS], env=environment)
    try:
        check(wait_for(lambda: 'ready' in actions(), timeout=30.0), 'the views program did not start')
        desktop = pyatspi.Registry.getDesktop(0)
        app = wait_for(lambda: next((a for a in desktop if a is not None and a.name == os.path.basename(FIXTURE)), None), timeout=30.0)
        check(app is not None, 'the views program is not on the accessibility bus')
        if app is None:
            return 1
        windows = {title: wait_for(lambda: next((w for w in app if w is not None and w.name == title), None)) for title in
                   ('Quelta', 'Welcome', 'Providers', 'Quelta Settings', 'Quelta History')}
        for title, check_view, walk in (('Quelta', check_popover, walk_popover), ('Welcome', check_welcome, walk_welcome),
                                        ('Providers', check_cards, walk_cards), ('Quelta Settings', check_settings, walk_settings)):
            window = windows[title]
            check(window is not None, 'no window %r' % title)
            if window is not None:
                check_view(window)
                walk(window)
        if windows['Quelta History'] is not None:
            check_history(windows['Quelta History'])
            walk_history(windows['Quelta History'], app)
        else:
            check(False, 'no window %r' % 'Quelta History')
    finally:
        views.terminate()
        views.wait(timeout=10)
    print('%d failures' % len(failures) if failures else 'all views read and walked', flush=True)
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
