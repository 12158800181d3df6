"""FTP server for the tests.

Users (password "secret"):
  guardrail  home is the served folder; PWD answers "/"
  homeuser   same folder, but starts in /home/u, so PWD answers "/home/u"
"""
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

root, port = sys.argv[1], int(sys.argv[2])


class Handler(FTPHandler):
    def on_login(self, username):
        if username == "homeuser":
            self.fs.cwd = "/home/u"


auth = DummyAuthorizer()
auth.add_user("guardrail", "secret", root, perm="elradfmwMT")
auth.add_user("homeuser", "secret", root, perm="elradfmwMT")
Handler.authorizer = auth
Handler.passive_ports = range(30000, 30100)
Handler.encoding = "utf-8"
server = FTPServer(("127.0.0.1", port), Handler)
server.serve_forever()
