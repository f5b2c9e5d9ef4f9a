# SPDX-License-Identifier: GPL-3.0-or-later
"""A private desktop for checking the games with the Orca screen reader: a virtual screen, a session
bus with the accessibility bus, a small window manager, speech-dispatcher speaking through espeak-ng
into a null sound device, and Orca itself, whose every utterance lands in a transcript file.
Everything lives in a temporary folder of its own (HOME and the XDG folders included), so it runs
the same as root or as any user, beside a desktop or without one."""

import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))


class CheckFailed(Exception):
    pass


class OrcaSession:
    def __init__(self, verbose=False):
        self.verbose = verbose
        self.root = tempfile.mkdtemp(prefix='orca-check-')
        self.processes = []  # (name, Popen), ended in reverse order
        self.transcript = os.path.join(self.root, 'transcript.txt')
        self.read_to = 0  # what the checks have consumed of the transcript
        self.env = {}

    # ---- set-up ----

    def start(self):
        home = os.path.join(self.root, 'home')
        runtime = os.path.join(self.root, 'runtime')
        for folder in (home, runtime):
            os.makedirs(folder, mode=0o700)
        env = {
            'PATH': os.environ.get('PATH', '/usr/bin:/bin'),
            'HOME': home,
            'XDG_RUNTIME_DIR': runtime,
            'XDG_CONFIG_HOME': os.path.join(home, '.config'),
            'XDG_DATA_HOME': os.path.join(home, '.local', 'share'),
            'XDG_CACHE_HOME': os.path.join(home, '.cache'),
            'TMPDIR': self.root,
            'LANG': 'C.UTF-8',
            'GSETTINGS_BACKEND': 'memory',
            'NO_AT_BRIDGE': '0',
            'QT_LINUX_ACCESSIBILITY_ALWAYS_ON': '1',
            'QT_ACCESSIBILITY': '1',
            'QT_QPA_PLATFORM': 'xcb',
        }
        if 'ORCA_CHECK_DEBUG' in os.environ:
            env['ORCA_CHECK_DEBUG'] = os.environ['ORCA_CHECK_DEBUG']
        self.env = env
        self._write_sound_and_speech_config(home)
        open(self.transcript, 'w').close()

        # The virtual screen picks a free display number itself and tells it on a pipe.
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(['Xvfb', '-displayfd', str(write_end), '-screen', '0', '1024x768x24', '-nolisten',
                                 'tcp'], pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL, env=env)
        self.processes.append(('Xvfb', xvfb))
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise CheckFailed('Xvfb did not start')
        env['DISPLAY'] = ':' + number

        out = subprocess.run(['dbus-launch', '--sh-syntax'], env=env, capture_output=True, text=True,
                             check=True).stdout
        address = re.search(r"DBUS_SESSION_BUS_ADDRESS='([^']*)'", out).group(1)
        pid = int(re.search(r'DBUS_SESSION_BUS_PID=(\d+)', out).group(1))
        env['DBUS_SESSION_BUS_ADDRESS'] = address
        self.processes.append(('dbus-daemon', pid))

        self._spawn('at-spi-bus-launcher', ['/usr/libexec/at-spi-bus-launcher', '--launch-immediately'])
        self._spawn('openbox', ['openbox', '--config-file', os.path.join(home, 'openbox.xml')])
        speechd_dir = os.path.join(env['XDG_CONFIG_HOME'], 'speech-dispatcher')
        self._spawn('speech-dispatcher', ['speech-dispatcher', '--run-single', '--timeout', '0',
                                          '--config-dir', speechd_dir, '--log-dir', self.root])
        self._wait_for(lambda: os.path.exists(os.path.join(runtime, 'speech-dispatcher', 'speechd.sock')), 20,
                       'speech-dispatcher did not open its socket')
        self._spawn('orca', ['/usr/bin/python3', os.path.join(HERE, 'orca_speech.py'), self.transcript,
                             os.path.join(home, 'orca-prefs')])
        self.expect(r'STATE: orca started', 30)
        # Orca greets once it listens to the accessibility bus.
        self.expect(r'SPEECH: .+', 30)
        time.sleep(0.5)

    def _write_sound_and_speech_config(self, home):
        # Sound goes nowhere: a pulse output would block speech on a machine without a sound server.
        with open(os.path.join(home, '.asoundrc'), 'w') as f:
            f.write('pcm.!default { type null }\nctl.!default { type hw card 0 }\n')
        speechd = os.path.join(home, '.config', 'speech-dispatcher')
        os.makedirs(os.path.join(speechd, 'modules'))
        shutil.copy('/etc/speech-dispatcher/modules/espeak-ng.conf', os.path.join(speechd, 'modules'))
        with open(os.path.join(speechd, 'speechd.conf'), 'w') as f:
            f.write('AudioOutputMethod "alsa"\n'
                    'AudioALSADevice "default"\n'
                    'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n'
                    'DefaultModule espeak-ng\n'
                    'DefaultLanguage "cs"\n'
                    'DisableAutoSpawn\n')
        # Openbox without desktop decoration or focus follows mouse; new windows take the focus.
        with open(os.path.join(home, 'openbox.xml'), 'w') as f:
            f.write('<?xml version="1.0"?>\n<openbox_config xmlns="http://openbox.org/3.4/rc">'
                    '<focus><focusNew>yes</focusNew><followMouse>no</followMouse></focus>'
                    '<desktops><number>1</number></desktops></openbox_config>\n')

    def _spawn(self, name, command, cwd=None):
        log = open(os.path.join(self.root, name.replace('/', '_') + '.log'), 'w')
        process = subprocess.Popen(command, env=self.env, cwd=cwd, stdout=log, stderr=subprocess.STDOUT,
                                   start_new_session=True)
        self.processes.append((name, process))
        return process

    def _wait_for(self, condition, timeout, failure):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            if condition():
                return
            time.sleep(0.05)
        raise CheckFailed(failure)

    def stop(self):
        for name, process in reversed(self.processes):
            pid = process if isinstance(process, int) else process.pid
            try:
                os.kill(pid, signal.SIGTERM)
            except ProcessLookupError:
                continue
            if not isinstance(process, int):
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        self.processes.clear()

    def cleanup(self):
        shutil.rmtree(self.root, ignore_errors=True)

    # ---- a game ----

    def start_game(self, program, data):
        play = os.path.join(self.root, 'play-' + os.path.basename(program))
        shutil.rmtree(play, ignore_errors=True)
        shutil.copytree(data, play)
        return self._spawn(os.path.basename(program), [program], cwd=play)

    def end_game(self, process):
        process.terminate()
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
        self.processes = [(n, p) for n, p in self.processes if p is not process]

    # ---- keys and speech ----

    def keys(self, *names, settle=0.0):
        """Presses the keys one after another (xdotool names: Tab, space, alt+h, Escape)."""
        for name in names:
            # Pressed and released apart, as a hand does: the toolkit hands every key to the
            # screen reader first and delivers it only when the reader has let it pass.
            subprocess.run(['xdotool', 'keydown', name], env=self.env, check=True)
            time.sleep(0.08)
            subprocess.run(['xdotool', 'keyup', name], env=self.env, check=True)
            if self.verbose:
                print('  key', name)
            time.sleep(0.15)
        if settle:
            time.sleep(settle)

    def text(self):
        with open(self.transcript, encoding='utf-8') as f:
            return f.read()

    def skip(self):
        """Forgets what has been spoken so far: the next expect looks only at what follows."""
        self.read_to = len(self.text())

    def expect(self, pattern, timeout=10):
        """Waits until Orca has spoken something that matches, after what earlier checks consumed."""
        regex = re.compile(pattern, re.IGNORECASE)
        end = time.monotonic() + timeout
        while True:
            text = self.text()
            match = regex.search(text, self.read_to)
            if match:
                if self.verbose:
                    print('  heard', repr(match.group(0)))
                self.read_to = match.end()
                return match
            if time.monotonic() > end:
                raise CheckFailed('Not heard within %d s: %s\nHeard since the last check:\n%s'
                                  % (timeout, pattern, text[self.read_to:]))
            time.sleep(0.05)

    def expect_none(self, pattern, wait=1.5):
        """Checks that nothing matching is spoken within the wait (after what was consumed)."""
        time.sleep(wait)
        text = self.text()[self.read_to:]
        if re.search(pattern, text, re.IGNORECASE):
            raise CheckFailed('Heard what must not be spoken: %s\nin:\n%s' % (pattern, text))

    def spoken_since(self):
        return self.text()[self.read_to:]
